#include "frontend/screen_menu.h"

#include "engine/gl.h"
#include "engine/log.h"
#include "engine/message_box.h"
#include "frontend/game.h"
#include "frontend/text_style.h"
#include "frontend/medal_panel.h"
#include "frontend/menu_focus.h"
#include "frontend/options_panel.h"
#include "frontend/scene.h"
#include "frontend/screen_replay.h"
#include "frontend/screen_startup.h"
#include "game/goals.h"
#include "level/builtin_levels.h"
#include "level/load_level.h"

namespace {

constexpr int kScoreRows = kScorePlaces;
constexpr int kLevelRows = 1;
constexpr float kHeadingWidth = 19.5f;      // heading picture from anchor x + 2
constexpr float kHeadingDrop = 5.8f;        // heading picture's bottom below the anchor
constexpr float kHeadingAspect = 2.2502036f;  // heading height x window height / width
constexpr float kButtonPictureWidth = 24.2f;
constexpr float kButtonPictureAspect = 3.0002716f;
constexpr float kTextSize = 2.0f;
constexpr float kGoalTextSize = 1.7f;

bool Left_Arrow_Hover(const OverlayPointer& p) {
  return Row_Hover(p, kLevelPanel.x + kLeftArrowX, kLevelPanel.y - kRowsTop, 1, kRowPitch, kLeftArrowWidth);
}
bool Right_Arrow_Hover(const OverlayPointer& p) {
  return Row_Hover(p, kLevelPanel.x + kRightArrowX, kLevelPanel.y - kRowsTop, 1, kRowPitch, kRightArrowWidth);
}
bool Score_Row_Hover(const OverlayPointer& p, int n) {
  return Row_Hover(p, kScorePanel.x + kPanelLeft, kScorePanel.y - kRowsTop, n + 1, kRowPitch, kRowWidth);
}
bool Filled(const ScoreEntry& e) { return e.time < kEmptyScoreTime; }

void Change_Level(Game& game, int step) {
  GameState& g = game.g;
  Play_Ui_Sound(game, SOUND_MENU_CHANGE);
  g.Level += step;
  if (g.Level < kTutorialLevel) g.Level = kLastLevel;
  if (g.Level > kLastLevel) g.Level = kTutorialLevel;
  Load_Level(g, g.Level);
  Load_Score_Table(g.Scores, g.ScoresFolder, g.Level);
}

void Act_On_Click(Game& game, const OverlayPointer& p) {
  GameState& g = game.g;
  const auto& b = game.front.buttons;
  if (Left_Arrow_Hover(p)) Change_Level(game, -1);
  if (Right_Arrow_Hover(p)) Change_Level(game, +1);
  for (int n = 0; n < kScoreRows; ++n) {
    if (!Filled(g.Scores.entries[static_cast<size_t>(n)]) || !Score_Row_Hover(p, n)) continue;
    Play_Ui_Sound(game, SOUND_MENU_SELECT);
    Start_Fade(game, FADE_BY_MENU, MODE_REPLAY, kFadeSeconds, n);
  }
  Options_Click(game, p);
  if (Button_Hover(p, b[BUTTON_NEW_GAME])) {
    Play_Ui_Sound(game, SOUND_MENU_SELECT);
    Start_Fade(game, FADE_BY_MENU, MODE_GAME, kFadeSeconds, 1);  // the recording starts on arrival
    if (g.Level == kTutorialLevel) g.TutorialActive = true;
  }
  if (Continue_Offered(g) && Button_Hover(p, b[BUTTON_CONTINUE])) {
    Play_Ui_Sound(game, SOUND_MENU_SELECT);
    Start_Fade(game, FADE_BY_MENU, MODE_GAME, kFadeSeconds, 0);
  }
  if (Button_Hover(p, b[BUTTON_WEBSITE])) {
    Play_Ui_Sound(game, SOUND_MENU_SELECT);
    Open_Web_Page(Game_Page_Url(game.front.service_address), game.front.web_opener);
  }
  if (Button_Hover(p, b[BUTTON_EXIT])) Start_Fade(game, FADE_BY_MENU, MODE_QUIT, kFadeSeconds, -1);
}

void Draw_Row_Lines(float x, float y, int n, float pitch, float width) {
  glDisable(GL_TEXTURE_2D);
  glColor4f(0, 0, 0, 1);
  glBegin(GL_LINES);
  for (int i = 1; i < n; ++i) {
    const float ly = y - static_cast<float>(i) * pitch;
    glVertex3f(x, ly, 0);
    glVertex3f(x + width, ly, 0);
  }
  glEnd();
  glEnable(GL_TEXTURE_2D);
}

void Draw_Panel(CKorvidWindow& w, const PanelAnchor& a, int rows, int heading) {
  const float top = a.y - kRowsTop;
  w.Draw_Rect(-1, a.x + kPanelLeft, top - kRowPitch * static_cast<float>(rows), a.x + kPanelRight, top, 0.5f, 0.5f,
              0.5f, 0.0f);
  if (rows > 1) Draw_Row_Lines(a.x + kPanelLeft, top, rows, kRowPitch, kRowWidth);
  const float h = kHeadingAspect * static_cast<float>(w.width) / static_cast<float>(w.height);
  const float y0 = a.y - kHeadingDrop;
  w.Draw_Rect(heading, a.x + kPanelLeft, y0, a.x + kPanelLeft + kHeadingWidth, y0 + h, 1, 1, 1, 0.0f);
}

void Draw_Buttons(const GameState& g, const FrontState& f, CKorvidWindow& w) {
  const float b = kButtonPictureAspect * static_cast<float>(w.width) / static_cast<float>(w.height);
  for (int i = 0; i < kMenuButtonCount; ++i) {
    const MenuButton& m = f.buttons[static_cast<size_t>(i)];
    const ButtonLayout& l = kButtonLayout[i];
    const bool greyed = i == BUTTON_CONTINUE && !Continue_Offered(g);
    if (!greyed) {
      w.Draw_Rect(-1, m.X, m.Y + 0.25f, m.X + 0.3f, m.Y2 - 0.25f, l.r, l.g, l.b, 0.0f);
      w.Draw_Rect(-1, m.X, m.Y, m.X2, m.Y2, l.r, l.g, l.b, 0.5f);
    }
    w.Draw_Rect(l.picture, l.anchor_x, l.anchor_y, l.anchor_x + kButtonPictureWidth, l.anchor_y + b, 1, 1, 1,
                greyed ? 0.8f : 0.0f);
  }
}

void Draw_Level_Panel(const GameState& g, const OverlayPointer& p, CKorvidWindow& w) {
  const float y = kLevelPanel.y - 8.0f;
  if (g.Level == kTutorialLevel) {
    Draw_Label(w, kLevelPanel.x + 17.0f, y, Grey(0, kTextSize, Align::CENTRE), "Tutorial");
  } else {
    Draw_Label(w, kLevelPanel.x + 17.0f, y, Grey(0, kTextSize, Align::CENTRE), "%i", g.Level);
  }
  const float left = Left_Arrow_Hover(p) ? 1.0f : 0.0f;
  const float right = Right_Arrow_Hover(p) ? 1.0f : 0.0f;
  Draw_Label(w, kLevelPanel.x + 4.0f, y, Grey(left, kTextSize), "<  <  <");
  Draw_Label(w, kLevelPanel.x + 30.2f, y, Grey(right, kTextSize, Align::RIGHT), ">  >  >");
}

void Draw_Score_Panel(const GameState& g, const OverlayPointer& p, CKorvidWindow& w) {
  for (int n = 0; n < kScoreRows; ++n) {
    const ScoreEntry& e = g.Scores.entries[static_cast<size_t>(n)];
    if (!Filled(e)) continue;
    const bool over = Score_Row_Hover(p, n);
    if (over) {
      Draw_Label(w, kScorePanel.x + 31.5f, kScorePanel.y - 24.8f, White(1.7f, Align::RIGHT), "Select to view replay");
    }
    const float shade = over ? 1.0f : 0.0f;
    const float y = kScorePanel.y - 8.0f - kRowPitch * static_cast<float>(n);
    Draw_Label(w, kScorePanel.x + 3.0f, y, Grey(shade, kTextSize), "%s", e.name.c_str());
    Draw_Label(w, kScorePanel.x + 31.2f, y, Grey(shade, kTextSize, Align::RIGHT), "%.2f", e.time);
  }
}

void Draw_Goal_Text(const GameState& g, CKorvidWindow& w) {
  const LevelGoals& goals = g.Goals;
  if (g.Level == kTutorialLevel && goals.GoalText[0].empty() && goals.GoalText[1].empty()) {
    // The tutorial has no goal; without a word here its place would stay blank.
    Draw_Label(w, 27, 54, White(kGoalTextSize, Align::CENTRE), "Learn to aim, fire");
    Draw_Label(w, 27, 51, White(kGoalTextSize, Align::CENTRE), "and mix the colours");
    return;
  }
  Draw_Label(w, 27, 54, White(kGoalTextSize, Align::CENTRE), "%s", goals.GoalText[0].c_str());
  Draw_Label(w, 27, 51, White(kGoalTextSize, Align::CENTRE), "%s", goals.GoalText[1].c_str());
  if (goals.GoalTimeMode != 1) return;
  const float rule = goals.GoalText[1].empty() ? 52.8f : 49.8f;
  Draw_Label(w, 27, rule, White(kGoalTextSize, Align::CENTRE), "_______________");
  Draw_Label(w, 27, rule - 3.2f, White(kGoalTextSize, Align::CENTRE), "Time limit: %.0f seconds", goals.GoalTime);
}

}  // namespace

bool Continue_Offered(const GameState& g) { return g.LevelStatus == LEVEL_PLAYING && Level_Can_Finish(g); }

void Menu_Arrive(Game& game) {
  GameState& g = game.g;
  if (g.TutorialActive) {
    g.TutorialActive = false;
    Load_Level(g, g.Level);
  }
  // A replay started from the command line skips the start-up screen,
  // which reads every table for the best times.
  if (!game.front.tables_warmed) Warm_Score_Tables(game);
  Load_Score_Table(g.Scores, g.ScoresFolder, g.Level);
  if (!Level_Can_Finish(g) || g.LevelStatus != LEVEL_PLAYING) Load_Level(g, g.Level);
  if (g.ShowReplayFPS == 1 && g.ReplaySeconds > 0.0f) {
    Show_Message_Box("Prismel", Frame_Rate_Report(g.ReplayFrames, g.ReplaySeconds), BoxIcon::Information, false);
  }
  g.ReplayFrames = 0;
  g.ReplaySeconds = 0.0f;
}

void Menu_Update(Game& game) {
  GameState& g = game.g;
  const float dt = g.Timer.Frame_Time();
  Update_Input(g.InputController, dt, g.Pointer.x, g.Pointer.y, g.Pointer.held);
  Menu_Keys(game);  // may put the pointer on an item and click it
  Glide_Camera(g, dt);  // the live preview follows the view setting too
  const OverlayPointer p = Make_Overlay_Pointer(game.window.width, game.window.height, g.InputController);
  for (MenuButton& b : game.front.buttons) Button_Update(b, Button_Hover(p, b), dt);
  float& click = g.InputController.signal[MOUSE_LEFT];
  if (click < 0.0f) {
    Act_On_Click(game, p);
    click = 0.0f;  // a click is consumed by the first menu frame that sees it
  }
}

void Menu_Draw(const GameState& g, const FrontState& f, Canvas& c) {
  CKorvidWindow& w = c.w;
  const OverlayPointer p = Make_Overlay_Pointer(w.width, w.height, g.InputController);
  w.GL_Begin_2D(-1);
  w.Draw_Rect(-1, 1, 92, 99, 99, 1, 0, 0, 0.7f);  // the title band
  Draw_Panel(w, kLevelPanel, kLevelRows, TEX_TEXT_CURRENT_LEVEL);
  Draw_Panel(w, kScorePanel, kScoreRows, TEX_TEXT_HIGH_SCORES);
  Draw_Panel(w, kOptionsPanel, kOptionRows, TEX_TEXT_OPTIONS);
  Draw_Buttons(g, f, w);
  Medal_Panel_Draw(g, c);
  w.Bind_Texture(TEX_FONT);
  Draw_Level_Panel(g, p, w);
  Draw_Score_Panel(g, p, w);
  Options_Draw(g, p, c);
  Draw_Goal_Text(g, w);
  w.GL_End_2D();

  // The live preview of the level in its own small viewport.
  const int W = w.width, H = w.height;
  glViewport(static_cast<int>(0.145f * static_cast<float>(W)), static_cast<int>(0.568f * static_cast<float>(H)),
             static_cast<int>(0.25f * static_cast<float>(W)), static_cast<int>(0.25f * static_cast<float>(H)));
  Draw_Scene(g, c, SceneKind::PREVIEW);
  glViewport(0, 0, W, H);
}
