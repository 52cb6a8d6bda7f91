#include "frontend/screen_replay.h"

#include "engine/log.h"
#include "frontend/game.h"
#include "frontend/scene.h"
#include "level/load_level.h"

void Replay_Arrive(Game& game) {
  GameState& g = game.g;
  g.LevelStatus = LEVEL_WAITING;
  Load_Level(g, g.Level);
  g.Paused = false;
  const int row = game.front.fade.Param;
  const bool valid = row >= 0 && row < kScorePlaces;
  Log_Write(g_log_stream, 0, "Replay_Arrive() :: no playback yet [%s]",
            valid ? g.Scores.entries[static_cast<size_t>(row)].path.c_str() : "");
}

void Replay_Update(Game& game) {
  GameState& g = game.g;
  const float dt = g.Timer.Frame_Time();
  Glide_Camera(g, dt);
  g.ReplayFrames += 1;
  g.ReplaySeconds += dt;
  // Nothing to play: the replay is over as soon as it begins.
  if (game.front.fade.Target == MODE_REPLAY) Start_Fade(game, FADE_BY_REPLAY, MODE_MENU, kFadeSeconds, -1);
}

void Replay_Draw(const GameState& g, Canvas& c) { Draw_Scene(g, c, true); }
