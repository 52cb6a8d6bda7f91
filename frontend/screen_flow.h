// The screens and the fader between them. Every change of screen fades to
// black, switches Mode and does the new screen's work (load a level, warm
// the score tables), then fades in. Also the in-game keys that move between
// screens and levels.
#pragma once

class Game;

void Start_Fade(Game& game, int kind, int target, float duration, int param);
void Update_Fade(Game& game);
// The start-up screen: the title picture in the middle of the overlay.
void Startup_Draw(Game& game);
// The in-game keys, once per frame in MODE_GAME.
void Game_Input(Game& game);
