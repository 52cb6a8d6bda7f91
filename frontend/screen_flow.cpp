#include "frontend/screen_flow.h"

#include "engine/gl.h"
#include "engine/log.h"
#include "frontend/game.h"
#include "frontend/screen_menu.h"
#include "frontend/screen_play.h"
#include "frontend/screen_replay.h"
#include "frontend/screen_startup.h"
#include "frontend/script.h"

void Update_Fade(Game& game) {
  FrontState& f = game.front;
  switch (Fade_Advance(f.fade, game.g.Timer.Frame_Time())) {
    case FadeStep::SWITCHED:
      game.g.Mode = static_cast<ScreenMode>(f.fade.Target);
      Log_Write(g_log_stream, 0, "Update_Fade() :: screen [%s]", Mode_Name(game.g.Mode));
      if (game.g.Mode == MODE_MENU) Menu_Arrive(game);
      if (game.g.Mode == MODE_GAME) Play_Arrive(game);
      if (game.g.Mode == MODE_REPLAY) Replay_Arrive(game);
      break;
    case FadeStep::FINISHED:
      if (game.g.Mode == MODE_QUIT) game.window.quit_requested = true;
      if (game.g.Mode == MODE_STARTUP) Startup_Fade_In_Done(game);
      break;
    case FadeStep::NONE:
      break;
  }
}

void Draw_Fade(const FrontState& f, Canvas& c) {
  if (f.fade.Phase == FADE_IDLE) return;
  CKorvidWindow& w = c.w;
  w.GL_Begin_2D(-1);
  glDisable(GL_DEPTH_TEST);
  w.Draw_Rect(-1, 0, 0, 100, 100, 0, 0, 0, Fade_Transparency(f.fade));
  glEnable(GL_DEPTH_TEST);
  w.GL_End_2D();
}
