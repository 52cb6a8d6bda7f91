#include "frontend/screen_play.h"

#include "frontend/drain.h"
#include "frontend/game.h"
#include "frontend/hud.h"
#include "frontend/save_replay.h"
#include "frontend/scene.h"
#include "game/play_frame.h"
#include "level/builtin_levels.h"
#include "level/load_level.h"

namespace {

void Load_Current(GameState& g) { Load_Level(g, g.TutorialActive ? kTutorialLevel : g.Level); }

PlayInput Keys_To_Play_Input(const Game& game) {
  const GameState& g = game.g;
  PlayInput in;
  in.turn_left = g.Keys[VK_LEFT] != 0;
  in.turn_right = g.Keys[VK_RIGHT] != 0;
  // Space on a paused level resumes it (Game_Input) instead of firing; while
  // the screen fades to the menu it does neither.
  in.fire = g.Keys[VK_SPACE] != 0 && !g.Paused && game.front.fade.Target != MODE_MENU;
  return in;
}

// Restart, next level and the tutorial's way out: a fresh attempt.
void Begin_Level(Game& game, int level) {
  Load_Level(game.g, level);
  Start_Recording(game);
  game.g.InputClock = 0.0f;
}

}  // namespace

void Play_Arrive(Game& game) {
  GameState& g = game.g;
  if (game.front.fade.Param == 1) {
    // New Game: the recording starts once the level stands, so that its
    // first event holds the shooter colour the attempt really begins with.
    g.LevelStatus = LEVEL_WAITING;
    Load_Current(g);
    Start_Recording(game);
  } else if (g.LevelStatus == LEVEL_WAITING) {
    Load_Current(g);
  }
}

void Play_Update(Game& game) {
  GameState& g = game.g;
  const float dt = g.Timer.Frame_Time();
  Glide_Camera(g, dt);
  Play_Frame(g, Keys_To_Play_Input(game));
  Drain_Events(game);
  // After the ranking and before the keys: the new entry holds the typed
  // name (not the placeholder) by the time Enter may leave the level.
  if (Complete_Panel_Shown(g)) Edit_Score_Name(g.Scores, g.Keys.data());
  Game_Input(game);
}

void Play_Draw(const GameState& g, Canvas& c) {
  Draw_Scene(g, c, SceneKind::PLAY);
  Draw_Hit_Effects(g, c);
}

void Game_Input(Game& game) {
  GameState& g = game.g;
  unsigned char* keys = g.Keys.data();
  g.InputClock += g.Timer.Frame_Time();
  const bool complete = g.LevelStatus == LEVEL_COMPLETE;
  if (keys[VK_ESCAPE]) {
    if (!complete) {
      g.Paused = true;
      Start_Fade(game, FADE_BY_GAME_KEYS, MODE_MENU, kFadeSeconds, -1);
    } else if (Save_Replay(game, g.Level)) {
      Start_Fade(game, FADE_BY_GAME_KEYS, MODE_MENU, kFadeSeconds, -1);
    }
  }
  if (keys[VK_F1]) g.CameraView = 0;
  if (keys[VK_F2] && !keys[VK_F1]) g.CameraView = 1;
  if (keys[VK_F5] && g.InputClock > kKeyRepeatGuard &&
      (g.LevelStatus == LEVEL_PLAYING || (complete && Save_Replay(game, g.Level)))) {
    Begin_Level(game, g.Level);
  }
  if (keys[VK_RETURN] && g.InputClock > kKeyRepeatGuard) {
    if (g.LevelStatus == LEVEL_COMPLETE && Save_Replay(game, g.Level)) {
      g.Level = g.Level >= kLastLevel ? kFirstLevel : g.Level + 1;
      Begin_Level(game, g.Level);
    } else if (g.Level == kTutorialLevel) {
      g.Level = kFirstLevel;
      g.TutorialActive = false;
      Begin_Level(game, kFirstLevel);
    }
  }
  if (keys[VK_P] && g.InputClock > kKeyRepeatGuard && g.LevelStatus != LEVEL_COMPLETE) {
    g.Paused = true;
    g.InputClock = 0.0f;
  }
  if (keys[VK_SPACE] && g.LevelStatus != LEVEL_COMPLETE && game.front.fade.Target != MODE_MENU && g.Paused) {
    g.LevelStatus = LEVEL_PLAYING;
    g.Paused = false;
    keys[VK_SPACE] = 0;  // one press starts the level without also firing
  }
}
