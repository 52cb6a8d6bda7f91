// The menu screen. For now a plain level picker over the live preview:
// the pointer is followed by the InputController (a click also plays);
// the arrow keys choose the level, Space or Enter plays it, Escape leaves.
#pragma once

class Game;

void Menu_Input(Game& game);
void Menu_Draw(Game& game);
