// The medal summary at the bottom of the menu: the footer picture, the two
// requirement marks, the medal and its status text, and the total time of
// the completed levels. Recomputed from the score tables every frame.
#pragma once

struct GameState;
struct Canvas;

void Medal_Panel_Draw(const GameState& g, Canvas& c);
