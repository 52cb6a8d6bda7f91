#include "frontend/medal_panel.h"

#include "frontend/game.h"
#include "frontend/text_style.h"
#include "frontend/medals.h"
#include "frontend/texture_slots.h"

namespace {

constexpr float kFooterAspect = 24.564724f;  // footer height x window height / width
constexpr float kTextSize = 1.5f;

void Quad(CKorvidWindow& w, int texture, float x1, float y1, float x2, float y2, float s1, float t1, float s2,
          float t2) {
  const float corners[12] = {x1, y1, 0, x2, y1, 0, x2, y2, 0, x1, y2, 0};
  const float uv[8] = {s1, t1, s2, t1, s2, t2, s1, t2};
  w.GL_Draw_Quad(texture, 1, 1, 1, 0, corners, uv);
}

}  // namespace

void Medal_Panel_Draw(const GameState& g, Canvas& c) {
  CKorvidWindow& w = c.w;
  const MedalSummary m = Medal_Summary(g.Scores.TotalTime, g.Scores.AllLevelsCompleted);

  // The footer: the picture's upper half mirrored on the left, its lower
  // half on the right.
  const float h = kFooterAspect * static_cast<float>(w.width) / static_cast<float>(w.height);
  Quad(w, TEX_MENU_FOOTER, 0.3f, 0.3f, 50, h, 1.0f, 1.0f, 0.01f, 0.5f);
  Quad(w, TEX_MENU_FOOTER, 50, 0.3f, 99.7f, h, 0.01f, 0.0f, 1.0f, 0.5f);

  const float red[3] = {1, 0, 0}, green[3] = {0, 1, 0};
  const float* a = m.mark_a_green ? green : red;
  const float* b = m.mark_b_green ? green : red;
  w.Draw_Rect(-1, 48, 34.5f, 49, 35.5f, a[0], a[1], a[2], 0);
  w.Draw_Rect(-1, 48, 32, 49, 33, b[0], b[1], b[2], 0);

  const MedalQuarter& q = m.quarter;
  Quad(w, TEX_MENU_MEDALS, 28, 32, 33, 37, q.s0, q.t0, q.s1, q.t1);

  w.Bind_Texture(TEX_FONT);
  Draw_Label(w, 33.5f, 35, White(kTextSize), "%s", m.status_text.c_str());
  Draw_Label(w, 49.6f, 34.9f, White(kTextSize), "%s", kCompleteAllText);
  Draw_Label(w, 49.6f, 32.3f, White(kTextSize), "%s", m.time_limit_text.c_str());
  Draw_Label(w, 50, 27.5f, White(kTextSize, Align::CENTRE), "%s", kTotalHeadingText);
  Draw_Label(w, 50, 25, White(kTextSize, Align::CENTRE), "%s", m.total_text.c_str());
}
