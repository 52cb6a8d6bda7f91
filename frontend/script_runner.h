// Runs a game script (frontend/script.h) in the real game: each frame,
// before the screen's step, it writes its keys and pointer into the plain
// input state as the platform would (a key changes only when the script
// presses or releases it), and takes screenshots before the swap. The game
// runs at a fixed frame time meanwhile, so a script repeats exactly.
#pragma once

#include <string>
#include <vector>

#include "frontend/main_loop.h"
#include "frontend/script.h"
#include "level/solution_file.h"

inline constexpr float kScriptFrameTime = 1.0f / 60.0f;  // seconds

class ScriptRunner : public FrameObserver {
 public:
  // Relative screenshot names land in screens_dir; relative solution files
  // are read from base_dir (the folder the game was started from).
  ScriptRunner(std::vector<ScriptCommand> commands, std::string screens_dir, std::string base_dir);

  void Before_Step(Game& game) override;
  void Before_Swap(Game& game) override;

  bool Failed() const { return !failure_.empty(); }
  // After the loop: prints what the run ended in (mode, level, settings)
  // and any failure; returns the exit status (0: every command ran).
  int Report(const Game& game) const;

 private:
  const ScriptCommand& Current() const { return commands_[next_]; }
  void Advance();
  void Fail(const std::string& why);
  // Runs commands until one needs the coming frame; false when none is left.
  void Run_Commands(Game& game);
  bool Step(Game& game);  // the current command; true when it needs this frame
  bool Step_Play(Game& game);
  bool Condition_Holds(const Game& game, const ScriptCommand& c, std::string& seen) const;
  void Set_Key(Game& game, int key, bool down);

  std::vector<ScriptCommand> commands_;
  std::string screens_dir_;
  std::string base_dir_;
  std::string failure_;
  size_t next_ = 0;
  int phase_ = 0;         // progress within the current command
  int frames_left_ = -1;  // WAIT
  float elapsed_ = 0.0f;  // UNTIL, seconds
  bool screenshot_due_ = false;
  bool pointer_set_ = false;
  int pointer_x_ = 0, pointer_y_ = 0;
  bool button_ = false;
  // PLAY
  std::vector<Shot> shots_;
  size_t shot_ = 0;
  float give_up_ = 0.0f;
  float previous_shot_clock_ = 0.0f;
  long frames_ = 0;  // frames run so far
};
