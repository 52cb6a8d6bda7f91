#include "frontend/main_loop.h"

#include <chrono>
#include <cmath>
#include <thread>

#include "engine/gl.h"
#include "frontend/game.h"
#include "frontend/menu.h"
#include "frontend/scene.h"
#include "frontend/screen_flow.h"
#include "game/simulation.h"

namespace {

constexpr float kAngleSampleInterval = 0.04f;  // seconds between recorded shooter angles
constexpr int kInactiveSleepMs = 100;

void Game_Frame(Game& game) {
  GameState& g = game.g;
  const float dt = g.Timer.Frame_Time();
  Draw_Scene(game, false);
  Age_Effects(g, dt);
  Draw_Hit_Effects(game);
  if (!g.Paused) Game_Step(g);
  Game_Input(game);
  g.Shooter.ReplayClock += dt;
  if (g.Shooter.ReplayClock > kAngleSampleInterval) {
    g.Shooter.ReplayClock = 0.0f;
    ReplayEvent e;
    e.type = EVENT_SHOOTER_ANGLE;
    e.arg = static_cast<int>(std::trunc(g.Shooter.Angle));
    Emit_Event(g, e);
  }
}

}  // namespace

void Run_Frame(Game& game) {
  GameState& g = game.g;
  game.audio.Update();
  g.Timer.Tick();
  game.window.Process_Messages();
  glClearColor(0, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glLoadIdentity();
  if (game.window.app_active) {
    switch (g.Mode) {
      case MODE_STARTUP: Startup_Draw(game); break;
      case MODE_MENU:
        Menu_Input(game);
        Menu_Draw(game);
        break;
      case MODE_GAME: Game_Frame(game); break;
      default: break;
    }
    Update_Fade(game);
    game.window.Swap();
    return;
  }
  if (g.Mode == MODE_MENU) Menu_Draw(game);
  if (g.Mode == MODE_GAME) Draw_Scene(game, false);
  game.window.Swap();
  std::this_thread::sleep_for(std::chrono::milliseconds(kInactiveSleepMs));
  if ((g.Mode == MODE_GAME && g.LevelStatus != LEVEL_COMPLETE) || g.Mode == MODE_REPLAY) g.Paused = true;
}

void Run_Main_Loop(Game& game) {
  while (!game.window.quit_requested) Run_Frame(game);
}
