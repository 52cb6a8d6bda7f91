// Real score files for the service's tests, benchmark and upload tool: a
// level played headless by its recorded solution, with every event the
// frames report written down as the game's drain does, and the finished
// recording wrapped as the score file the game would save.
//
// This is test support. It must never be linked into prismel-scores: the
// service receives score files, it does not make them.
#pragma once

#include <string>

struct GameState;

struct RecordedRun {
  bool completed = false;
  float seconds = 0.0f;    // the level time the goals held at
  std::string time_text;   // seconds as the game prints it ("%f")
  std::string recording;   // the events, as replay_1.tmp holds them
  std::string score_file;  // the whole file, as Save_Replay writes it
};

// g must hold the play-field templates (Prepare_Check_State does that).
// solutions_dir holds level_NNN.txt; name is the player's.
RecordedRun Record_Solution_Run(GameState& g, int level, const std::string& solutions_dir, const std::string& name);

// "%.3i_%f_%s": the name the game uploads a score file under.
std::string Upload_Name(const RecordedRun& run, int level, const std::string& name);
