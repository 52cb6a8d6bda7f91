// Replays without a window: a score file played back headless, and the
// fidelity check that a recorded run replays to the field it really ended
// with.
//
// The fidelity check plays a level by its solution through Play_Frame, hands
// what each frame reported to a ReplayManager exactly as the game's drain
// does, saves the run with Save_Replay, plays the score file back with the
// ReplayPlayer and compares the two fields. Positions may differ only by
// what two decimals keep: the position of the last event and its speed
// carried over the flight since.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "level/solution_file.h"

struct GameState;
class ReplayPlayer;

struct ReplayOutcome {
  bool opened = false;      // the file is a score file
  bool reached_end = false;  // played to its end event
  int frames = 0;
  std::vector<std::string> problems;  // damage found in the file
};

// Plays the score file at path on level (already known to be the file's)
// at a fixed frame time until it ends; g holds the final field and player
// what it read.
// after_frame, when given, sees the field after each frame (1, 2, ...).
ReplayOutcome Play_Score_File(GameState& g, int level, const std::string& path, ReplayPlayer& player,
                              const std::function<void(int frame)>& after_frame = {});

// Records level played by shots, saves it as a score file in work_folder and
// replays it. True when the replayed field matches; report says how it went.
bool Check_Replay_Fidelity(GameState& g, int level, const std::vector<Shot>& shots, const std::string& work_folder,
                           std::string& report);
