#include "tools/sim/svg_map.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "game/game_state.h"
#include "game/goals.h"
#include "game/shooter.h"
#include "level/field_geometry.h"

namespace {

constexpr float kScale = 8.0f;      // pixels per play-field unit
constexpr float kHalfWidth = 50.0f;  // units shown left and right of x = 0
constexpr float kTop = 52.0f;        // units
constexpr float kBottom = -50.0f;    // units
constexpr float kLegend = 120.0f;    // pixels of text below the field

float Px(float x) { return (x + kHalfWidth) * kScale; }
float Py(float y) { return (kTop - y) * kScale; }

std::string Rgb(const Color& c) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "rgb(%d,%d,%d)", static_cast<int>(c.x * 255), static_cast<int>(c.y * 255),
                static_cast<int>(c.z * 255));
  return buf;
}

std::string Escape(const std::string& s) {
  std::string out;
  for (char c : s) {
    if (c == '<') out += "&lt;";
    else if (c == '>') out += "&gt;";
    else if (c == '&') out += "&amp;";
    else out += c;
  }
  return out;
}

struct P2 {
  float x, y;
};

// Outline of a mesh where it stands on the play plane: the convex hull of
// its points at or below z = 0.1.
std::vector<P2> Footprint(const CKorvidModel& m) {
  std::vector<P2> pts;
  for (const ModelPoint& p : m.points) {
    if (p.z <= 0.1f) pts.push_back({p.x, p.y});
  }
  std::sort(pts.begin(), pts.end(), [](P2 a, P2 b) { return a.x < b.x || (a.x == b.x && a.y < b.y); });
  if (pts.size() < 3) return pts;
  auto cross = [](P2 o, P2 a, P2 b) { return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x); };
  std::vector<P2> hull(2 * pts.size());
  size_t k = 0;
  for (size_t i = 0; i < pts.size(); ++i) {
    while (k >= 2 && cross(hull[k - 2], hull[k - 1], pts[i]) <= 0) --k;
    hull[k++] = pts[i];
  }
  for (size_t i = pts.size() - 1, t = k + 1; i > 0; --i) {
    while (k >= t && cross(hull[k - 2], hull[k - 1], pts[i - 1]) <= 0) --k;
    hull[k++] = pts[i - 1];
  }
  hull.resize(k - 1);
  return hull;
}

std::string Polygon(const std::vector<P2>& pts, const std::string& style) {
  std::string s = "<polygon points=\"";
  char buf[48];
  for (const P2& p : pts) {
    std::snprintf(buf, sizeof buf, "%.1f,%.1f ", Px(p.x), Py(p.y));
    s += buf;
  }
  return s + "\" style=\"" + style + "\"/>\n";
}

std::string Line(float x1, float y1, float x2, float y2, const std::string& style) {
  char buf[160];
  std::snprintf(buf, sizeof buf, "<line x1=\"%.1f\" y1=\"%.1f\" x2=\"%.1f\" y2=\"%.1f\" style=\"", Px(x1), Py(y1),
                Px(x2), Py(y2));
  return buf + style + "\"/>\n";
}

std::string Arrow(float x, float y, float dx, float dy, const std::string& color) {
  char buf[240];
  std::snprintf(buf, sizeof buf,
                "<line x1=\"%.1f\" y1=\"%.1f\" x2=\"%.1f\" y2=\"%.1f\" stroke=\"%s\" stroke-width=\"2\" "
                "marker-end=\"url(#head)\"/>\n",
                Px(x), Py(y), Px(x + dx), Py(y + dy), color.c_str());
  return buf;
}

// The edges of a mesh that discs collide with.
std::string Plane_Edges(const CKorvidModel& m, const std::string& style) {
  std::string s;
  static constexpr int kEdges[3][2] = {{0, 1}, {0, 2}, {1, 2}};
  for (int t = 0; t < m.Triangle_Count(); ++t) {
    for (const auto& e : kEdges) {
      const Vec3 a = m.Corner(t, e[0]), b = m.Corner(t, e[1]);
      if (a.z <= 0.1f && b.z <= 0.1f && (a.x != b.x || a.y != b.y)) s += Line(a.x, a.y, b.x, b.y, style);
    }
  }
  return s;
}

}  // namespace

std::string Level_Svg(const GameState& g, int level) {
  const float width = 2 * kHalfWidth * kScale;
  const float height = (kTop - kBottom) * kScale + kLegend;
  char head[400];
  std::snprintf(head, sizeof head,
                "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%.0f\" height=\"%.0f\" "
                "viewBox=\"0 0 %.0f %.0f\" font-family=\"sans-serif\">\n",
                width, height, width, height);
  std::string s = head;
  s += "<defs><marker id=\"head\" markerWidth=\"8\" markerHeight=\"8\" refX=\"6\" refY=\"4\" orient=\"auto\">"
       "<path d=\"M0,0 L8,4 L0,8 z\" fill=\"context-stroke\"/></marker></defs>\n";
  s += "<rect width=\"100%\" height=\"100%\" fill=\"#1b1d26\"/>\n";
  s += Polygon({{field::kInnerLeft, field::kInnerBottom},
                {field::kInnerRight, field::kInnerBottom},
                {field::kInnerRight, field::kInnerTop},
                {field::kInnerLeft, field::kInnerTop}},
               "fill:#2c3142");

  for (int i = 0; i < g.WallCount; ++i) s += Polygon(Footprint(g.Walls[static_cast<size_t>(i)]), "fill:#8a8f9c;stroke:#5d616b");
  s += Plane_Edges(g.CollisionModel, "stroke:#ffcc33;stroke-width:1;stroke-dasharray:4 3");

  for (int i = 0; i < g.BrickCount; ++i) {
    const Brick& b = g.Bricks[static_cast<size_t>(i)];
    s += Polygon(Footprint(b), b.IsHollow ? "fill:none;stroke:rgb(228,177,216);stroke-width:3"
                                          : "fill:#b7bcc8;stroke:#6b707a");
  }

  for (int f = 0; f < g.ForceFieldCount; ++f) {
    const ForceField& ff = g.ForceFields[static_cast<size_t>(f)];
    const std::string c = Rgb(ff.Field_Color());
    s += Line(ff.first.x, ff.first.y, ff.second.x, ff.second.y, "stroke:" + c + ";stroke-width:5;stroke-opacity:0.7");
    const float mx = (ff.first.x + ff.second.x) / 2, my = (ff.first.y + ff.second.y) / 2;
    const float pass = (ff.PassFrom + 90.0f) * 3.14159265f / 180.0f;  // the middle of the passing arc
    s += Arrow(mx, my, 4.0f * std::cos(pass), 4.0f * std::sin(pass), c);
    char label[96];
    std::snprintf(label, sizeof label, "<text x=\"%.1f\" y=\"%.1f\" fill=\"%s\" font-size=\"12\">%d</text>\n",
                  Px(mx) + 6, Py(my) - 6, c.c_str(), f);
    s += label;
  }

  for (int i = 0; i < g.DiscCount; ++i) {
    const Disc& d = g.Discs[static_cast<size_t>(i)];
    const std::string c = Rgb(d.Disc_Color());
    char circle[200];
    std::snprintf(circle, sizeof circle, "<circle cx=\"%.1f\" cy=\"%.1f\" r=\"%.1f\" style=\"%s\"/>\n",
                  Px(d.position.x), Py(d.position.y), (d.IsRing ? 1.2f : 1.5f) * kScale,
                  d.IsRing ? ("fill:none;stroke-width:5;stroke:" + c).c_str() : ("fill:" + c).c_str());
    s += circle;
    if (d.velocity.Length() > 0) s += Arrow(d.position.x, d.position.y, d.velocity.x * 0.5f, d.velocity.y * 0.5f, c);
  }

  // Shooter and the range of its aim.
  s += Polygon(Footprint(g.ShooterBase), "fill:" + Rgb(g.Shooter.ShownColor) + ";fill-opacity:0.6");
  s += Plane_Edges(g.ShooterGun, "stroke:#ffffff;stroke-width:1.5");
  const float px = field::kShooterPivotX, py = field::kShooterPivotY;
  for (float a : {field::kAimMin, field::kAimMax}) {
    const float r = a * 3.14159265f / 180.0f;
    s += Line(px, py, px + 30 * std::cos(r), py + 30 * std::sin(r), "stroke:#ffffff;stroke-opacity:0.35;stroke-dasharray:6 4");
  }

  const LevelGoals& goals = g.Goals;
  std::string text = "Level " + std::to_string(level) + ": " + goals.GoalText[0] + " " + goals.GoalText[1];
  std::string rules;
  auto add = [&rules](const std::string& r) { rules += (rules.empty() ? "" : ", ") + r; };
  if (goals.GoalBricks != -1) add("hollow bricks = " + std::to_string(goals.GoalBricks));
  if (goals.GoalDiscs != -1) add("plain discs = " + std::to_string(goals.GoalDiscs));
  if (goals.GoalRings != -1) add("rings = " + std::to_string(goals.GoalRings));
  if (goals.GoalPoints > 0) add("points >= " + std::to_string(goals.GoalPoints));
  for (int f = 0; f < g.ForceFieldCount; ++f) {
    if (goals.GoalForceField[static_cast<size_t>(f)] > 0) {
      add("field " + std::to_string(f) + " >= " + std::to_string(goals.GoalForceField[static_cast<size_t>(f)]));
    }
  }
  if (goals.GoalTimeMode == 1) add("within " + std::to_string(static_cast<int>(goals.GoalTime)) + " s");
  if (goals.GoalTimeMode == -1) add("after " + std::to_string(static_cast<int>(goals.GoalTime)) + " s");
  std::string palette;
  for (int i = 0; i < Dealt_Palette_Count(g); ++i) palette += " " + std::string(Color_Name(g.Palette[static_cast<size_t>(i)]));
  const float y0 = (kTop - kBottom) * kScale;
  s += "<text x=\"12\" y=\"" + std::to_string(y0 + 30) + "\" fill=\"#ffffff\" font-size=\"20\">" + Escape(text) + "</text>\n";
  s += "<text x=\"12\" y=\"" + std::to_string(y0 + 60) + "\" fill=\"#c8ccd8\" font-size=\"15\">Goals: " + Escape(rules) + "</text>\n";
  s += "<text x=\"12\" y=\"" + std::to_string(y0 + 88) + "\" fill=\"#c8ccd8\" font-size=\"15\">Shooter (" +
       std::string((g.Shooter.CycleColors & 0xFF) == 1 ? "in turn" : "at random") + "):" + Escape(palette) + "</text>\n";
  s += "</svg>\n";
  return s;
}
