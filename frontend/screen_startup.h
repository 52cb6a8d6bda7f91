// The start-up screen (MODE_STARTUP): the title picture in the middle of
// the overlay. When its fade-in ends, every level's score table is read so
// that the menu's best times and total are known from its first frame; the
// title then stays a little longer (any key cuts it short) and the menu
// fades in.
#pragma once

struct GameState;
struct FrontState;
struct Canvas;
class Game;

// How long the title stays after its fade-in, at least 1.5 s in all with
// the reading of the score tables. Longer than strictly needed, so that the
// title is really seen.
inline constexpr float kTitleHoldSeconds = 3.5f;

// Reads the table of every level 1..60, for their best times and total.
void Warm_Score_Tables(Game& game);
void Startup_Fade_In_Done(Game& game);
void Startup_Update(Game& game);
void Startup_Draw(const FrontState& f, Canvas& c);
