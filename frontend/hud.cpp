#include "frontend/hud.h"

#include <cmath>
#include <ctime>

#include "engine/gl.h"
#include "frontend/game.h"
#include "frontend/text_style.h"
#include "frontend/scene.h"
#include "frontend/texture_slots.h"
#include "game/goals.h"
#include "level/builtin_levels.h"
#include "level/field_geometry.h"

namespace {

constexpr int kFixedFont = TEX_FONT_FIXED;
constexpr int kTextFont = TEX_FONT;
constexpr float kBoxDepth = 3.1f;
constexpr float kBoxTransparency = 0.3f;

void Box(CKorvidWindow& w, float x1, float y1, float x2, float y2) {
  w.Draw_Rect(-1, x1, y1, x2, y2, 0, 0, 0, kBoxTransparency, kBoxDepth);
}

void Text(CKorvidWindow& w, float x, float y, float size, const char* text) {
  Draw_Label(w, x, y, White(size, Align::CENTRE), "%s", text);
}

void Draw_Tutorial(const GameState& g, Canvas& c) {
  CKorvidWindow& w = c.w;
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glTranslatef(0, -1, -115);
  glDisable(GL_DEPTH_TEST);
  Box(w, -36, 14.5f, 36, 44);
  w.GL_Begin_2D(kTextFont);
  static const struct {
    float y;
    const char* text;
  } kLines[] = {
      {94, "To shoot various colored discs - press <space>."},
      {91, "Rotating can be done by using the left and right arrow keys."},
      {86, "Try shooting some discs and see how they interact depending on color."},
      {83, "[Red + Blue = Purple]  [Red + Yellow = Orange]  [Blue + Yellow = Green]"},
      // The rules break hollow bricks with purple discs; a purple ring bounces off.
      {77, "+ Bricks that are hollow can be destroyed with purple discs +"},
      {74, "+ Rings can be destroyed with same colored discs +"},
      {69, "Press <enter> to go to level 1."},
      {66, "Press <escape> to get back to the main menu."},
  };
  for (const auto& line : kLines) Text(w, 50, line.y, 1.8f, line.text);
  if (g.ColorBlindSymbols == 1) {
    // Under the colour words of the line at 83, in their order.
    static const struct {
      int slot;
      float x;
    } kSymbols[] = {{TEX_SYMBOL_RED, 17.7f},    {TEX_SYMBOL_BLUE, 24},   {TEX_SYMBOL_PURPLE, 31},
                    {TEX_SYMBOL_RED, 39},       {TEX_SYMBOL_YELLOW, 46.1f}, {TEX_SYMBOL_ORANGE, 55},
                    {TEX_SYMBOL_BLUE, 63.3f},   {TEX_SYMBOL_YELLOW, 70.7f}, {TEX_SYMBOL_GREEN, 78.7f}};
    for (const auto& s : kSymbols) w.Draw_Rect(s.slot, s.x, 79.5f, s.x + 2, 81.5f, 1, 1, 1, 0, 1.0f);
  }
  w.GL_End_2D();
}

}  // namespace

namespace {

void Draw_Clock(CKorvidWindow& w, float x, float y, float t) {
  int minutes = 0;
  while (t >= 60.0f) {  // a count-down past zero shows negative seconds
    t -= 60.0f;
    ++minutes;
  }
  const int seconds = static_cast<int>(t);
  const int tenths = static_cast<int>((t - static_cast<float>(seconds)) * 10.0f);
  w.Draw_Text_Fixed(x, y, field::kReadoutSize, 1, 1, 1, 0, "%i:%.2i.%i", minutes, seconds, tenths);
}

// The read-outs lie on the play plane, raised a little towards the viewer.
// They are drawn before the field; the clear parts of each glyph cell must
// not write depth, or they would punch holes in the ground.
void Begin_Readouts(CKorvidWindow& w) {
  glEnable(GL_BLEND);
  glEnable(GL_ALPHA_TEST);
  glAlphaFunc(GL_GREATER, 0.05f);
  w.Bind_Texture(kFixedFont);
  glPushMatrix();
  glTranslatef(0, 0, 0.1f);
}

void End_Readouts(CKorvidWindow& w) {
  glPopMatrix();
  glDisable(GL_ALPHA_TEST);
  w.Bind_Texture(kTextFont);
}

}  // namespace

void Draw_Readouts(const GameState& g, Canvas& c) {
  CKorvidWindow& w = c.w;
  Begin_Readouts(w);
  if (g.LevelStatus == LEVEL_COMPLETE) w.Draw_Text_Fixed(0, -36, 2.5f, 1, 1, 1, 1, "Level Complete");
  w.Draw_Text_Fixed(field::kAimReadoutX, field::kReadoutY, field::kReadoutSize, 1, 1, 1, 0, "%.3i",
                    static_cast<int>(g.Shooter.Angle));
  if (!g.TutorialActive) {
    Draw_Clock(w, field::kClockReadoutX, field::kReadoutY,
               g.Goals.GoalTimeMode != 0 ? g.Goals.GoalTime - g.LevelTime : g.LevelTime);
  }
  End_Readouts(w);
}

void Draw_Replay_Readouts(const GameState& g, Canvas& c) {
  CKorvidWindow& w = c.w;
  Begin_Readouts(w);
  Draw_Clock(w, -33.0f, -7.7f, g.LevelTime);
  w.Draw_Text_Fixed(24.5f, -7.7f, 2.0f, 1, 1, 1, 0, "Replay");
  End_Readouts(w);
}

void Draw_Replay_Overlays(const GameState& g, Canvas& c) {
  if (!g.Paused) return;
  CKorvidWindow& w = c.w;
  w.GL_Begin_2D(kTextFont);
  Box(w, 32, 53.9f, 68, 67.9f);
  Draw_Label(w, 50, 64.7f, White(2.5f, Align::CENTRE), "Paused");
  Draw_Label(w, 50, 57.5f, White(2, Align::CENTRE), "Press <space> to continue");
  w.GL_End_2D();
}

void Draw_Score_Screen(const GameState& g, Canvas& c) {
  CKorvidWindow& w = c.w;
  const ScoreTable& t = g.Scores;
  Draw_Label(w, 50, 76, White(2.5f, Align::CENTRE), "High Scores");
  for (int i = 0; i < kScorePlaces; ++i) {
    const ScoreEntry& e = t.entries[static_cast<size_t>(i)];
    const float y = 72.5f - 3.2f * static_cast<float>(i);
    const float b = i == t.rank ? 0.5f : 1.0f;
    if (e.time >= kEmptyScoreTime) {
      Draw_Label(w, 32.2f, y, TextStyle{2, 1, 1, b, Align::LEFT}, "-----");
      Draw_Label(w, 67.8f, y, TextStyle{2, 1, 1, b, Align::RIGHT}, "---");
    } else {
      Draw_Label(w, 32.2f, y, TextStyle{2, 1, 1, b, Align::LEFT}, "%s", e.name.c_str());
      Draw_Label(w, 67.8f, y, TextStyle{2, 1, 1, b, Align::RIGHT}, "%.2f", e.time);
    }
  }
  if (t.rank >= kScorePlaces) {
    Draw_Label(w, 50, 53, White(2, Align::CENTRE), "You did not get into the top 5");
  } else {
    Draw_Label(w, 32.2f, 54.2f, White(2), "You got into the top 5");
    const bool even = std::time(nullptr) % 2 == 0;
    Draw_Label(w, 35, 51, White(2), even ? "Name: %s-" : "Name: %s", t.typed_name.c_str());
  }
}

void Draw_Overlays(const GameState& g, Canvas& c) {
  CKorvidWindow& w = c.w;
  const bool lost = !Level_Can_Finish(g) && g.LevelStatus == LEVEL_PLAYING;
  const bool boxed = (g.Paused || g.LevelStatus == LEVEL_COMPLETE) && g.Level != kTutorialLevel;
  if (lost || boxed) {
    w.GL_Begin_2D(kTextFont);
    if (lost) {
      Box(w, 32, 38.8f, 68, 47.8f);
      Text(w, 50, 46, 2, "Will not be able to finish level");
      Text(w, 50, 43, 2, "Press <f5> to try level again");
      Text(w, 50, 40, 2, "Press <escape> for main menu");
    }
    if (boxed && g.LevelStatus == LEVEL_COMPLETE) {
      Box(w, 41, 73.9f, 59, 77.9f);
      Box(w, 32, 38.9f, 68, 47.9f);
      Box(w, 32, 48.9f, 68, 73.9f);
      Draw_Score_Screen(g, c);
      Text(w, 50, 46, 2, "Press <enter> to continue");
      Text(w, 50, 43, 2, "Press <f5> to try level again");
      Text(w, 50, 40, 2, "Press <escape> for main menu");
    } else if (boxed) {
      Box(w, 41, 62.9f, 59, 66.9f);
      Box(w, 32, 48.9f, 68, 62.9f);
      const bool fresh = g.LevelTime == 0.0f;
      if (fresh) {
        Draw_Label(w, 50, 64.7f, White(2.5f, Align::CENTRE), "Level %i", g.Level);
      } else {
        Draw_Label(w, 50, 64.7f, White(2.5f, Align::CENTRE), "Paused");
      }
      Text(w, 50, 51.5f, 2, fresh ? "Press <space> to begin" : "Press <space> to continue");
      Text(w, 50, 60.5f, 2, g.Goals.GoalText[0].c_str());
      Text(w, 50, 57.5f, 2, g.Goals.GoalText[1].c_str());
    }
    w.GL_End_2D();
  } else if (g.TutorialActive) {
    Draw_Tutorial(g, c);
  }
}

bool Complete_Panel_Shown(const GameState& g) { return g.LevelStatus == LEVEL_COMPLETE && g.Level != kTutorialLevel; }
