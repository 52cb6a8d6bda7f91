#include "frontend/screen_startup.h"

#include <chrono>

#include "frontend/game.h"
#include "level/builtin_levels.h"

namespace {

bool Any_Key(const GameState& g) {
  for (unsigned char k : g.Keys) {
    if (k != 0) return true;
  }
  return false;
}

}  // namespace

void Warm_Score_Tables(Game& game) {
  GameState& g = game.g;
  for (int level = kFirstLevel; level <= kLastLevel; ++level) Load_Score_Table(g.Scores, g.ScoresFolder, level);
  game.front.tables_warmed = true;
}

void Startup_Fade_In_Done(Game& game) {
  GameState& g = game.g;
  const auto start = std::chrono::steady_clock::now();
  Warm_Score_Tables(game);
  // The reading must not count as one long frame of the title.
  g.Timer.Tick();
  const float spent = std::chrono::duration<float>(std::chrono::steady_clock::now() - start).count();
  game.front.title_hold = kTitleHoldSeconds - spent;
  if (game.front.title_hold < 0.0f) game.front.title_hold = 0.0f;
}

void Startup_Update(Game& game) {
  FrontState& f = game.front;
  if (f.title_hold < 0.0f) return;
  f.title_hold -= game.g.Timer.Frame_Time();
  if (f.title_hold <= 0.0f || Any_Key(game.g)) {
    f.title_hold = -1.0f;
    game.g.Keys.fill(0);
    if (f.start_in_game) {
      // prismel --level N: straight into that level, as New Game would.
      f.start_in_game = false;
      if (game.g.Level == kTutorialLevel) game.g.TutorialActive = true;
      Start_Fade(game, FADE_BY_STARTUP_SCREEN, MODE_GAME, kFirstFadeSeconds, 1);
    } else {
      Start_Fade(game, FADE_BY_STARTUP_SCREEN, MODE_MENU, kFirstFadeSeconds, -1);
    }
  }
}

void Startup_Draw(const FrontState& /*f*/, Canvas& c) {
  c.w.GL_Begin_2D(TEX_MENU_INTRO);
  c.w.Draw_Rect(TEX_MENU_INTRO, 30, 30, 70, 70, 1, 1, 1, 0);
  c.w.GL_End_2D();
}
