#include "frontend/menu.h"

#include "engine/gl.h"
#include "frontend/game.h"
#include "frontend/scene.h"
#include "frontend/screen_flow.h"
#include "level/load_level.h"

namespace {
constexpr float kKeyRepeatGuard = 0.25f;  // seconds between accepted level changes
constexpr int kTextFont = 1;
}  // namespace

void Menu_Input(Game& game) {
  GameState& g = game.g;
  unsigned char* keys = g.Keys.data();
  g.InputClock += g.Timer.Frame_Time();
  int x = 0, y = 0;
  bool held[3] = {};
  game.window.Get_Mouse_Position(x, y);
  game.window.Get_Mouse_Buttons(held);
  Update_Input(g.InputController, g.Timer.Frame_Time(), x, y, held);
  if (game.fade.Phase != FADE_IDLE) return;
  if ((keys[VK_LEFT] || keys[VK_RIGHT]) && g.InputClock > kKeyRepeatGuard) {
    g.Level = (g.Level + (keys[VK_LEFT] ? 60 : 1)) % 61;
    Load_Level(g, g.Level);
    Load_Score_Table(g.Scores, g.ScoresFolder, g.Level);
    game.Play_Sound(SOUND_MENU_CHANGE);
    g.InputClock = 0.0f;
  }
  // A left click (a released press) plays too; the click is consumed here.
  const bool clicked = g.InputController.signal[MOUSE_LEFT] < 0.0f;
  if (clicked) g.InputController.signal[MOUSE_LEFT] = 0.0f;
  if (keys[VK_SPACE] || keys[VK_RETURN] || clicked) {
    keys[VK_SPACE] = keys[VK_RETURN] = 0;
    game.Play_Sound(SOUND_MENU_SELECT);
    if (g.Level == 0) g.TutorialActive = true;
    Start_Fade(game, 2, MODE_GAME, 1.0f, 1);
  }
  if (keys[VK_ESCAPE]) {
    keys[VK_ESCAPE] = 0;
    Start_Fade(game, 2, MODE_QUIT, 1.0f, -1);
  }
}

void Menu_Draw(Game& game) {
  GameState& g = game.g;
  CKorvidWindow& w = game.window;
  Draw_Scene(game, true);
  w.GL_Begin_2D(kTextFont);
  w.Draw_Rect(-1, 20, 4, 80, 22, 0, 0, 0, 0.3f, 3.1f);
  if (g.Level == 0) {
    w.Draw_Text(50, 18, 2.5f, 1, 1, 1, 1, 0, "Tutorial");
  } else {
    w.Draw_Text(50, 18, 2.5f, 1, 1, 1, 1, 0, "Level %i", g.Level);
  }
  w.Draw_Text(50, 14, 2, 1, 1, 1, 1, 0, "%s %s", g.Goals.GoalText[0].c_str(), g.Goals.GoalText[1].c_str());
  w.Draw_Text(50, 9, 1.8f, 0.8f, 0.85f, 1, 1, 0, "<left> <right> choose the level   <space> or a click: play   <escape> quit");
  w.GL_End_2D();
}
