#include "frontend/script_runner.h"

#include <sys/stat.h>

#include <cctype>
#include <cmath>
#include <cstdio>
#include <utility>

#include "engine/screenshot.h"
#include "engine/view_transform.h"
#include "frontend/config.h"
#include "frontend/game.h"
#include "game/goals.h"
#include "level/pak_archive.h"

namespace {

constexpr float kPlaySettleSeconds = 60.0f;  // level time allowed after the last planned shot

std::string Join(const std::string& dir, const std::string& name) {
  if (name.empty() || name[0] == '/' || dir.empty()) return name;
  return dir + "/" + name;
}

int Setting_Value(const GameState& g, const std::string& name, bool& known) {
  for (const ConfigKey& k : Config_Keys()) {
    if (name == k.key) {
      known = true;
      return g.*(k.field);
    }
  }
  known = false;
  return 0;
}

}  // namespace

ScriptRunner::ScriptRunner(std::vector<ScriptCommand> commands, std::string screens_dir, std::string base_dir)
    : commands_(std::move(commands)), screens_dir_(std::move(screens_dir)), base_dir_(std::move(base_dir)) {}

void ScriptRunner::Advance() {
  ++next_;
  phase_ = 0;
  frames_left_ = -1;
  elapsed_ = 0.0f;
  screenshot_due_ = false;
}

void ScriptRunner::Fail(const std::string& why) {
  if (failure_.empty()) failure_ = "line " + std::to_string(Current().line) + ": " + why;
}

void ScriptRunner::Set_Key(Game& game, int key, bool down) {
  if (key > 0 && key < kKeyCount) game.g.Keys[static_cast<size_t>(key)] = down ? 1 : 0;
}

bool ScriptRunner::Condition_Holds(const Game& game, const ScriptCommand& c, std::string& seen) const {
  const GameState& g = game.g;
  if (c.what == "mode") {
    seen = Mode_Name(g.Mode);
    return g.Mode == c.value;
  }
  if (c.what == "status") {
    seen = Status_Name(g.LevelStatus);
    return g.LevelStatus == c.value;
  }
  if (c.what == "idle") {
    seen = game.front.fade.Phase == FADE_IDLE ? "idle" : "fading";
    return game.front.fade.Phase == FADE_IDLE;
  }
  int value = 0;
  if (c.what == "level") {
    value = g.Level;
  } else if (c.what == "paused") {
    value = g.Paused ? 1 : 0;
  } else {
    bool known = false;
    value = Setting_Value(g, c.what, known);
  }
  seen = std::to_string(value);
  return value == c.value;
}

bool ScriptRunner::Step_Play(Game& game) {
  GameState& g = game.g;
  const ScriptCommand& c = Current();
  if (phase_ == 0) {
    std::string text, error;
    const std::string path = Join(base_dir_, c.text);
    if (!Read_File(path, text) || !Parse_Solution(text, shots_, error)) {
      Fail("play: cannot use the solution [" + path + "]" + (error.empty() ? "" : ": " + error));
      return false;
    }
    if (g.Mode != MODE_GAME || g.LevelStatus != LEVEL_PLAYING) {
      Fail("play: no level is being played (start it with press SPACE)");
      return false;
    }
    shot_ = 0;
    give_up_ = (shots_.empty() ? 0.0f : shots_.back().at) + kPlaySettleSeconds;
    previous_shot_clock_ = g.Shooter.ShotClock;
    phase_ = 1;
  }
  // A shot left the gun in the last frame: its reload clock started again.
  if (g.Keys[VK_SPACE] && g.Shooter.ShotClock < previous_shot_clock_) ++shot_;
  previous_shot_clock_ = g.Shooter.ShotClock;
  const bool done = g.LevelStatus == LEVEL_COMPLETE;
  const bool lost = shot_ >= shots_.size() && !Level_Can_Finish(g);
  if (done || lost || g.LevelTime > give_up_ || g.Mode != MODE_GAME) {
    Set_Key(game, VK_LEFT, false);
    Set_Key(game, VK_RIGHT, false);
    Set_Key(game, VK_SPACE, false);
    if (!done) Fail("play: the solution did not complete the level");
    return false;
  }
  if (shot_ < shots_.size()) {
    const Shot& s = shots_[shot_];
    const int aim = static_cast<int>(std::trunc(g.Shooter.Angle));
    Set_Key(game, VK_LEFT, aim < s.angle);
    Set_Key(game, VK_RIGHT, aim > s.angle);
    Set_Key(game, VK_SPACE, aim == s.angle && g.LevelTime >= s.at);
  } else {
    Set_Key(game, VK_LEFT, false);
    Set_Key(game, VK_RIGHT, false);
    Set_Key(game, VK_SPACE, false);
  }
  return true;
}

bool ScriptRunner::Step(Game& game) {
  GameState& g = game.g;
  const ScriptCommand& c = Current();
  const float dt = g.Timer.Frame_Time();
  switch (c.op) {
    case ScriptOp::WAIT:
      if (frames_left_ < 0) frames_left_ = static_cast<int>(std::lround(c.seconds / kScriptFrameTime));
      if (frames_left_ == 0) return false;
      --frames_left_;
      return true;
    case ScriptOp::UNTIL: {
      std::string seen;
      if (Condition_Holds(game, c, seen)) return false;
      if (elapsed_ >= c.seconds) {
        Fail("until " + c.what + ": still " + seen + " after " + std::to_string(c.seconds) + " s");
        return false;
      }
      elapsed_ += dt;
      return true;
    }
    case ScriptOp::KEY_DOWN:
    case ScriptOp::KEY_UP:
      Set_Key(game, c.key, c.op == ScriptOp::KEY_DOWN);
      return false;
    case ScriptOp::PRESS:
      Set_Key(game, c.key, phase_ == 0);
      return phase_++ == 0;
    case ScriptOp::TYPE: {
      const size_t i = static_cast<size_t>(phase_ / 2);
      if (i >= c.text.size()) return false;
      const int key = std::toupper(static_cast<unsigned char>(c.text[i]));
      Set_Key(game, key, phase_ % 2 == 0);
      ++phase_;
      return true;
    }
    case ScriptOp::MOVE:
    case ScriptOp::CLICK:
      if (phase_ == 0 && c.has_position) {
        Overlay_To_Pointer(game.window.width, game.window.height, c.x, c.y, pointer_x_, pointer_y_);
        pointer_set_ = true;
      }
      if (c.op == ScriptOp::MOVE) return false;
      // Held for one frame, released the next: the menu acts on the release.
      button_ = phase_ == 0;
      return phase_++ < 2;
    case ScriptOp::PLAY:
      return Step_Play(game);
    case ScriptOp::SCREENSHOT:
      screenshot_due_ = true;
      return true;
    case ScriptOp::EXPECT: {
      std::string seen;
      if (!Condition_Holds(game, c, seen)) {
        const std::string wanted = c.what == "mode"     ? Mode_Name(c.value)
                                   : c.what == "status" ? Status_Name(c.value)
                                                        : std::to_string(c.value);
        Fail("expected " + c.what + " " + wanted + ", found " + seen);
      }
      return false;
    }
  }
  return false;
}

void ScriptRunner::Run_Commands(Game& game) {
  while (!Failed() && next_ < commands_.size()) {
    if (Step(game)) return;
    if (Failed()) return;
    Advance();
  }
}

void ScriptRunner::Before_Step(Game& game) {
  ++frames_;
  // A scripted run is not paused by the desktop's focus.
  game.window.app_active = true;
  if (!screenshot_due_) Run_Commands(game);
  if (pointer_set_) {
    game.g.Pointer.x = pointer_x_;
    game.g.Pointer.y = pointer_y_;
  }
  game.g.Pointer.held[0] = button_;
  if (Failed() || next_ >= commands_.size()) game.window.quit_requested = true;
}

void ScriptRunner::Before_Swap(Game& game) {
  if (!screenshot_due_ || next_ >= commands_.size()) return;
  const std::string path = Join(screens_dir_, Current().text);
  mkdir(screens_dir_.c_str(), 0755);
  if (Save_Frame_Png(path, game.window.width, game.window.height)) {
    std::printf("script: screenshot [%s]\n", path.c_str());
    std::fflush(stdout);  // a watcher sees each line when it happens
  } else {
    Fail("screenshot: cannot write [" + path + "]");
  }
  Advance();
}

int ScriptRunner::Report(const Game& game) const {
  const GameState& g = game.g;
  std::string failure = failure_;
  // The game may end the run itself (Exit): fine while the script was only
  // waiting out its last command.
  const bool ran_out = next_ >= commands_.size() ||
                       (next_ + 1 == commands_.size() && Current().op == ScriptOp::WAIT);
  if (failure.empty() && !ran_out) {
    failure = "the game ended before line " + std::to_string(Current().line) + " ran";
  }
  std::printf("script: %s; mode %s, status %s, level %d, %ld frames\n", failure.empty() ? "done" : "FAILED",
              Mode_Name(g.Mode), Status_Name(g.LevelStatus), g.Level, frames_);
  std::printf("script: settings");
  for (const ConfigKey& k : Config_Keys()) std::printf(" %s %d", k.key, g.*(k.field));
  std::printf("\n");
  std::fflush(stdout);
  if (!failure.empty()) {
    std::fprintf(stderr, "script: %s\n", failure.c_str());
    return 1;
  }
  return 0;
}
