#include "frontend/main_loop.h"

#include <chrono>
#include <thread>

#include "engine/gl.h"
#include "frontend/game.h"
#include "frontend/screen_flow.h"
#include "frontend/screen_menu.h"
#include "frontend/screen_play.h"
#include "frontend/screen_replay.h"
#include "frontend/screen_startup.h"
#include "frontend/window_keys.h"

namespace {

constexpr int kInactiveSleepMs = 100;

// Only the drawing, for a window without focus.
void Draw_Screen(Game& game) {
  Canvas c = game.canvas();
  switch (game.g.Mode) {
    case MODE_MENU: Menu_Draw(game.g, game.front, c); break;
    case MODE_GAME: Play_Draw(game.g, c); break;
    case MODE_REPLAY: Replay_Draw(game.g, c); break;
    default: break;
  }
}

}  // namespace

void Run_Screen(Game& game) {
  Canvas c = game.canvas();
  switch (game.g.Mode) {
    case MODE_STARTUP:
      Startup_Update(game);
      Startup_Draw(game.front, c);
      break;
    case MODE_MENU:
      Menu_Update(game);
      Menu_Draw(game.g, game.front, c);
      break;
    case MODE_GAME:
      // Drawn before the step: a flash started by the step takes its
      // picture from this frame.
      Play_Draw(game.g, c);
      Play_Update(game);
      break;
    case MODE_REPLAY:
      Replay_Draw(game.g, c);
      Replay_Update(game);
      break;
    default:
      break;
  }
  Update_Fade(game);
  Draw_Fade(game.front, c);
  Draw_Window_Note(game.front, c);
}

void Run_Frame(Game& game, FrameObserver* observer) {
  GameState& g = game.g;
  game.audio.Update();
  g.Timer.Tick();
  game.window.Process_Messages();
  if (observer != nullptr) observer->Before_Step(game);
  Handle_Window_Keys(game);
  glClearColor(0, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glLoadIdentity();
  if (game.window.app_active) {
    Run_Screen(game);
    if (observer != nullptr) observer->Before_Swap(game);
    Take_Due_Screenshot(game);
    game.window.Swap();
    return;
  }
  Draw_Screen(game);
  game.window.Swap();
  std::this_thread::sleep_for(std::chrono::milliseconds(kInactiveSleepMs));
  if ((g.Mode == MODE_GAME && g.LevelStatus != LEVEL_COMPLETE) || g.Mode == MODE_REPLAY) g.Paused = true;
}

void Run_Main_Loop(Game& game, FrameObserver* observer) {
  while (!game.window.quit_requested) Run_Frame(game, observer);
}
