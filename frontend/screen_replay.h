// The replay screen (MODE_REPLAY): a score file played back over its level.
// Each frame the field is drawn, then the file's events up to the clock are
// applied and the discs fly on; the end of the file, or Escape, fades back
// to the menu. Losing the window's focus pauses it; Space resumes.
#pragma once

#include <string>

struct GameState;
struct Canvas;
class Game;

void Replay_Arrive(Game& game);
void Replay_Update(Game& game);
void Replay_Draw(const GameState& g, Canvas& c);
// Escape, F1, F2 and Space during a replay.
void Handle_Replay_Keys(Game& game);

// The text of the frame-rate report shown after a replay.
std::string Frame_Rate_Report(int frames, float seconds);
