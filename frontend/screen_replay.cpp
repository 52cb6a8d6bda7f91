#include "frontend/screen_replay.h"

#include <cstdio>

#include "engine/log.h"
#include "frontend/drain.h"
#include "frontend/game.h"
#include "frontend/scene.h"
#include "game/simulation.h"
#include "level/load_level.h"

namespace {

void Leave(Game& game) {
  game.replays.player.Close();
  Start_Fade(game, FADE_BY_REPLAY, MODE_MENU, kFadeSeconds, -1);
}

}  // namespace

void Replay_Arrive(Game& game) {
  GameState& g = game.g;
  g.LevelStatus = LEVEL_WAITING;  // nothing of the playback is recorded
  Load_Level(g, g.Level);
  std::string path = game.front.replay_file;
  game.front.replay_file.clear();
  const int row = game.front.fade.Param;
  if (path.empty() && row >= 0 && row < kScorePlaces) path = g.Scores.entries[static_cast<size_t>(row)].path;
  if (!game.replays.player.Open_File(path, g)) {
    const auto& problems = game.replays.player.Problems();
    Log_Write(g_log_stream, 1, "Replay_Arrive() :: failed ([%s] %s)", path.c_str(),
              problems.empty() ? "" : problems.front().c_str());
  }
  g.Paused = false;
}

void Replay_Update(Game& game) {
  GameState& g = game.g;
  const float dt = g.Timer.Frame_Time();
  Glide_Camera(g, dt);
  Age_Effects(g, dt);
  if (game.front.fade.Target == MODE_REPLAY) {
    if (!g.Paused) {
      // A file that would not open, or ended, has nothing more to show.
      ReplayPlayer& player = game.replays.player;
      const bool was_open = player.Is_Open();
      if (player.Step(g, dt) == ReplayStep::ENDED) {
        if (was_open && player.Reached_End_Event()) {
          Log_Write(g_log_stream, 0, "Replay_Update() :: the replay of %s reached its end at %.2f s",
                    player.Name().c_str(), g.LevelTime);
        } else if (was_open) {
          Log_Write(g_log_stream, 1, "Replay_Update() :: the replay ended early at %.2f s (a damaged score file)",
                    g.LevelTime);
        }
        Leave(game);
      }
      ReplayPlayer::Move_Discs(g, dt);
    }
    Handle_Replay_Keys(game);
  }
  g.ReplayFrames += 1;
  g.ReplaySeconds += dt;
  Drain_Events(game);  // the flashes of removed bricks and discs
}

void Handle_Replay_Keys(Game& game) {
  GameState& g = game.g;
  unsigned char* keys = g.Keys.data();
  if (keys[VK_ESCAPE] && game.front.fade.Target == MODE_REPLAY) Leave(game);
  if (keys[VK_F1]) {
    g.CameraView = 0;
  } else if (keys[VK_F2]) {
    g.CameraView = 1;
  }
  if (keys[VK_SPACE] && g.Paused) {
    g.Paused = false;
    keys[VK_SPACE] = 0;
  }
}

void Replay_Draw(const GameState& g, Canvas& c) {
  Draw_Scene(g, c, SceneKind::REPLAY);
  Draw_Hit_Effects(g, c);
}

std::string Frame_Rate_Report(int frames, float seconds) {
  char text[128];
  std::snprintf(text, sizeof text, "Frames:\t%i\nTime:\t%f\nFPS:\t%f", frames, seconds,
                seconds > 0.0f ? static_cast<float>(frames) / seconds : 0.0f);
  return text;
}
