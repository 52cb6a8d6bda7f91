// The fader at work: advances it once a frame after the screen's own step,
// does the arrival work of the new screen when the picture is black (load a
// level, a score table), ends the program when the fade into MODE_QUIT is
// over, and draws the black quad.
#pragma once

struct FrontState;
struct Canvas;
class Game;

void Update_Fade(Game& game);
void Draw_Fade(const FrontState& f, Canvas& c);
