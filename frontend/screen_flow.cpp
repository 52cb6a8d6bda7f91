#include "frontend/screen_flow.h"

#include <chrono>

#include "engine/gl.h"
#include "frontend/game.h"
#include "game/camera.h"
#include "game/goals.h"
#include "game/shooter.h"
#include "level/load_level.h"

namespace {

constexpr int kTitlePicture = 13;  // menu_intro.png
constexpr float kKeyRepeatGuard = 0.5f;  // seconds between accepted F5 / Enter / P

void Load_Current(Game& game) { Load_Level(game.g, game.g.TutorialActive ? 0 : game.g.Level); }

// Leaving a finished level stores its score first; until the replay writer
// exists there is nothing to store, and leaving is always allowed.
bool Save_Replay(Game&) { return true; }

void Arrive(Game& game) {
  GameState& g = game.g;
  switch (game.fade.Target) {
    case MODE_MENU:
      if (g.TutorialActive) {
        g.TutorialActive = false;
        Load_Level(g, g.Level);
      }
      Load_Score_Table(g.Scores, g.ScoresFolder, g.Level);
      if (!Level_Can_Finish(g) || g.LevelStatus != LEVEL_PLAYING) Load_Level(g, g.Level);
      g.ReplayFrames = 0;
      g.ReplaySeconds = 0.0f;
      break;
    case MODE_GAME:
      if (game.fade.Param == 1) {
        g.LevelStatus = LEVEL_WAITING;
        Load_Current(game);
      } else if (g.LevelStatus == LEVEL_WAITING) {
        Load_Current(game);
      }
      break;
    default:
      break;
  }
}

// Loads every level's table so that all best times and the total are
// known; returns the seconds it took.
float Warm_Score_Tables(Game& game) {
  GameState& g = game.g;
  const auto start = std::chrono::steady_clock::now();
  for (int level = 1; level <= 60; ++level) Load_Score_Table(g.Scores, g.ScoresFolder, level);
  g.Timer.Tick();
  return std::chrono::duration<float>(std::chrono::steady_clock::now() - start).count();
}

bool Any_Key(const GameState& g) {
  for (unsigned char k : g.Keys) {
    if (k != 0) return true;
  }
  return false;
}

}  // namespace

void Start_Fade(Game& game, int kind, int target, float duration, int param) {
  game.g.Timer.Tick();
  ScreenFade& f = game.fade;
  f.Phase = FADE_OUT;
  f.Kind = kind;
  f.Remaining = f.PhaseLength = duration * 0.5f;
  f.Target = target;
  f.Param = param;
}

void Update_Fade(Game& game) {
  ScreenFade& f = game.fade;
  if (f.Phase == FADE_IDLE) return;
  f.Remaining -= game.g.Timer.Frame_Time();
  if (f.Remaining <= 0.0f) {
    if (f.Phase == FADE_OUT) {
      f.Remaining = f.PhaseLength;
      f.Phase = FADE_IN;
      game.g.Mode = static_cast<ScreenMode>(f.Target);
      Arrive(game);
    } else {
      f.Phase = FADE_IDLE;
      if (game.g.Mode == MODE_QUIT) {
        game.window.quit_requested = true;
      } else if (game.g.Mode == MODE_STARTUP) {
        game.title_hold = kTitleHoldSeconds - Warm_Score_Tables(game);
      }
      return;
    }
  }
  const float part = f.PhaseLength > 0.0f ? f.Remaining / f.PhaseLength : 0.0f;
  const float transparency = f.Phase == FADE_OUT ? part : 1.0f - part;
  CKorvidWindow& w = game.window;
  w.GL_Begin_2D(-1);
  glDisable(GL_DEPTH_TEST);
  w.Draw_Rect(-1, 0, 0, 100, 100, 0, 0, 0, transparency);
  glEnable(GL_DEPTH_TEST);
  w.GL_End_2D();
}

void Startup_Draw(Game& game) {
  // The title holds while the frames go on (the window stays responsive);
  // a key cuts it short.
  if (game.title_hold >= 0.0f) {
    game.title_hold -= game.g.Timer.Frame_Time();
    if (game.title_hold <= 0.0f || Any_Key(game.g)) {
      game.title_hold = -1.0f;
      game.g.Keys.fill(0);
      Start_Fade(game, 1, MODE_MENU, 2.0f, -1);
    }
  }
  CKorvidWindow& w = game.window;
  w.GL_Begin_2D(kTitlePicture);
  w.Draw_Rect(kTitlePicture, 30, 30, 70, 70, 1, 1, 1, 0);
  w.GL_End_2D();
}

void Game_Input(Game& game) {
  GameState& g = game.g;
  unsigned char* keys = g.Keys.data();
  g.InputClock += g.Timer.Frame_Time();
  const bool complete = g.LevelStatus == LEVEL_COMPLETE;
  if (keys[VK_ESCAPE]) {
    if (!complete) {
      g.Paused = true;
      Start_Fade(game, 3, MODE_MENU, 1.0f, -1);
    } else if (Save_Replay(game)) {
      Start_Fade(game, 3, MODE_MENU, 1.0f, -1);
    }
  }
  if (keys[VK_F1]) g.CameraView = 0;
  if (keys[VK_F2] && !keys[VK_F1]) g.CameraView = 1;
  if (keys[VK_F5] && g.InputClock > kKeyRepeatGuard &&
      (g.LevelStatus == LEVEL_PLAYING || (complete && Save_Replay(game)))) {
    Load_Level(g, g.Level);
    g.InputClock = 0.0f;
  }
  if (keys[VK_RETURN] && g.InputClock > kKeyRepeatGuard) {
    if (g.LevelStatus == LEVEL_COMPLETE && Save_Replay(game)) {
      g.Level = g.Level >= 60 ? 1 : g.Level + 1;
      Load_Level(g, g.Level);
      g.InputClock = 0.0f;
    } else if (g.Level == 0) {
      g.Level = 1;
      g.TutorialActive = false;
      Load_Level(g, 1);
      g.InputClock = 0.0f;
    }
  }
  if (keys['P'] && g.InputClock > kKeyRepeatGuard && g.LevelStatus != LEVEL_COMPLETE) {
    g.Paused = true;
    g.InputClock = 0.0f;
  }
  if (keys[VK_SPACE] && g.LevelStatus != LEVEL_COMPLETE && game.fade.Target != MODE_MENU) {
    if (g.Paused) {
      g.LevelStatus = LEVEL_PLAYING;
      g.Paused = false;
      keys[VK_SPACE] = 0;  // one press starts the level without also firing
    } else {
      Fire(g);
    }
  }
}
