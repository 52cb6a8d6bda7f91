#include "level/level_table.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <vector>

#include "game/game_state.h"
#include "game/goals.h"

namespace {

constexpr std::array<LevelRow, 61> kRows{{
    {0, 1, 3, "BLUE RED YELLOW", {"GoalBricks 0"}, 6, 4, 2, 0, 0, "", ""},
    {1, 1, 2, "BLUE RED", {"GoalBricks 0"}, 3, 0, 0, 1, 0, "Remove all the bricks", ""},
    {2, 1, 2, "BLUE RED", {"GoalForceField 0 1", "GoalForceField 1 1"}, 0, 10, 0, 0, 2, "Get one disc into", "each force field area"},
    {3, 1, 3, "BLUE RED YELLOW", {"GoalRings 0"}, 12, 0, 3, 0, 0, "Remove all the rings", ""},
    {4, 1, 3, "BLUE RED WHITE", {"GoalRings 0"}, 0, 2, 1, 0, 3, "Remove the ring", ""},
    {5, 0, 1, "BLUE", {"GoalRings 0", "GoalTime 10"}, 9, 0, 1, 2, 0, "Remove the ring", ""},
    {6, 0, 1, "BLUE", {"GoalBricks 0", "GoalTime 10"}, 4, 0, 0, 4, 0, "Remove all the bricks", ""},
    {7, 1, 2, "BLUE YELLOW", {"GoalRings 0", "GoalForceField 0 1", "GoalForceField 1 1"}, 0, 0, 5, 0, 2, "Remove all rings and get one", "disc into each force field area"},
    {8, 1, 3, "YELLOW BLUE RED", {"GoalRings 0", "GoalTime 90"}, 0, 0, 15, 0, 0, "Remove all the rings", ""},
    {9, 0, 1, "BLUE", {"GoalRings 0", "GoalTime 20"}, 0, 10, 2, 2, 0, "Remove all the rings", ""},
    {10, 1, 3, "RED YELLOW BLUE", {"GoalBricks 0", "GoalRings 5", "GoalTime 60"}, 1, 7, 5, 0, 0, "Only remove the brick", ""},
    {11, 0, 1, "GREEN", {"GoalRings 0"}, 7, 0, 2, 2, 0, "Remove all the rings", ""},
    {12, 0, 1, "YELLOW", {"GoalBricks 0", "GoalRings 0", "GoalTime 20"}, 0, 0, 10, 0, 0, "Remove all the rings", ""},
    {13, 0, 1, "WHITE", {"GoalRings 0"}, 0, 0, 2, 1, 0, "Remove all the rings", ""},
    {14, 0, 1, "PURPLE", {"GoalBricks 3", "GoalRings 0"}, 3, 0, 1, 0, 0, "Only remove the ring", ""},
    {15, 1, 3, "BLUE RED YELLOW", {"GoalRings 0"}, 7, 0, 5, 0, 0, "Remove all the rings", ""},
    {16, 0, 1, "BLUE", {"GoalBricks 0", "GoalTime 60"}, 4, 0, 0, 4, 0, "Remove all the bricks", ""},
    {17, 1, 2, "BLUE RED", {"GoalRings 0", "GoalTime 60"}, 13, 0, 3, 0, 0, "Remove all the rings", ""},
    {18, 0, 1, "BLUE", {"GoalBricks 0", "GoalTime 20"}, 1, 0, 0, 19, 0, "Remove the brick", ""},
    {19, 1, 2, "RED BLUE", {"GoalBricks 3", "GoalPoints 20", "PointsRingNew 1"}, 3, 0, 0, 3, 0, "Shoot twenty discs", "without removing any bricks"},
    {20, 0, 1, "PURPLE", {"GoalBricks 4", "GoalRings 4", "GoalTime 20"}, 9, 0, 9, 0, 0, "Only remove five", "rings and five bricks"},
    {21, 0, 1, "PURPLE", {"GoalBricks 0", "GoalRings 3"}, 4, 0, 3, 0, 0, "Only remove the bricks", ""},
    {22, 1, 3, "BLUE RED YELLOW", {"GoalRings 0", "GoalTime 120"}, 8, 0, 4, 0, 0, "Remove all the rings", ""},
    {23, 0, 1, "BLUE", {"GoalRings 0", "GoalTime 23"}, 0, 0, 29, 0, 0, "Remove all the rings", ""},
    {24, 1, 2, "BLUE YELLOW", {"GoalRings 0", "GoalTime 30"}, 0, 0, 4, 0, 0, "Remove all the rings", ""},
    {25, 1, 3, "YELLOW BLUE RED", {"GoalRings 0", "GoalTime 45"}, 0, 18, 8, 0, 3, "Remove all the rings", ""},
    {26, 0, 1, "WHITE", {"CheckDiscMatch RING", "GoalRings 0"}, 10, 0, 4, 8, 0, "Remove all the rings", ""},
    {27, 0, 1, "GREEN", {"GoalRings 0", "GoalTime 25"}, 0, 6, 8, 8, 2, "Remove all the rings", ""},
    {28, 0, 1, "PURPLE", {"GoalRings 0"}, 24, 0, 4, 4, 0, "Remove all the rings", ""},
    {29, 1, 3, "BLUE RED YELLOW", {"GoalRings 0", "GoalTime 120"}, 18, 0, 10, 0, 0, "Remove all the rings", ""},
    {30, 0, 1, "WHITE", {"GoalForceField 0 1", "GoalForceField 1 1", "GoalForceField 2 1"}, 0, 18, 0, 3, 3, "Get one disc into", "each force field area"},
    {31, 1, 6, "PURPLE RED BLUE ORANGE GREEN YELLOW", {"GoalRings 0"}, 10, 0, 5, 0, 0, "Remove all the rings", ""},
    {32, 0, 1, "PURPLE", {"GoalBricks 0", "GoalRings 3"}, 21, 0, 3, 3, 0, "Only remove the bricks", ""},
    {33, 0, 1, "PURPLE", {"GoalBricks 0", "GoalRings 2"}, 2, 0, 2, 0, 0, "Only remove the bricks", ""},
    {34, 0, 1, "BLUE", {"CheckDiscMatch FORCEFIELD", "GoalForceField 0 1", "GoalForceField 1 1"}, 0, 12, 4, 2, 2, "Get one disc into", "each force field area"},
    {35, 0, 1, "ORANGE", {"GoalRings 0", "GoalTime 45"}, 0, 0, 7, 12, 0, "Remove all the rings", ""},
    {36, 0, 1, "PURPLE", {"GoalRings 0"}, 7, 0, 6, 0, 0, "Remove all the rings / bricks", ""},
    {37, 1, 3, "RED BLUE YELLOW", {"GoalRings 0"}, 0, 10, 5, 0, 0, "Remove all the rings", ""},
    {38, 0, 1, "YELLOW", {"GoalRings 22", "GoalTime 30"}, 0, 0, 27, 0, 2, "Remove all the yellow rings", ""},
    {39, 0, 1, "WHITE", {"GoalRings 0"}, 7, 0, 6, 14, 2, "Remove all the rings", ""},
    {40, 0, 1, "PURPLE", {"GoalBricks 7", "GoalRings 0"}, 7, 0, 3, 0, 0, "Only remove the rings", ""},
    {41, 0, 1, "PURPLE", {"GoalTime 30", "GoalForceField 2 1"}, 1, 8, 1, 0, 3, "Get ring into force field area", ""},
    {42, 0, 1, "PURPLE", {"CheckDiscMatch RING", "GoalRings 0"}, 12, 0, 4, 4, 0, "Remove all the rings", ""},
    {43, 0, 1, "WHITE", {"CheckDiscMatch RING", "GoalRings 0"}, 0, 8, 2, 2, 0, "Remove all the rings", ""},
    {44, 1, 3, "PURPLE GREEN ORANGE", {"GoalRings 3", "GoalForceField 0 1", "GoalForceField 1 1", "GoalForceField 2 1"}, 0, 20, 3, 4, 3, "Get one disc into each force", "field area while keeping rings"},
    {45, 1, 3, "RED BLUE YELLOW", {"GoalBricks 9", "GoalRings 0", "GoalTime 120"}, 9, 0, 5, 1, 0, "Only remove the rings", ""},
    {46, 0, 1, "WHITE", {"CheckDiscMatch RING", "GoalRings 0", "GoalTime 60"}, 0, 0, 6, 6, 0, "Remove all the rings", ""},
    {47, 0, 1, "PURPLE", {"GoalBricks 0", "GoalRings 1", "GoalTime 10"}, 4, 0, 1, 1, 0, "Only remove the bricks", ""},
    {48, 0, 1, "WHITE", {"CheckDiscMatch RING", "GoalBricks 3", "GoalRings 0"}, 7, 0, 4, 4, 0, "Remove all the rings", "and only four bricks"},
    {49, 1, 3, "GREEN YELLOW BLUE", {"GoalDiscs 3", "GoalRings 0", "GoalTime 120"}, 0, 0, 22, 0, 0, "Leave only three green discs", ""},
    {50, 0, 1, "WHITE", {"GoalBricks 4"}, 6, 0, 0, 6, 0, "Remove any two bricks", ""},
    {51, 0, 1, "ORANGE", {"GoalBricks 0", "GoalRings 12"}, 3, 4, 12, 3, 3, "Only remove the bricks", ""},
    {52, 0, 1, "BLUE", {"GoalRings 0"}, 0, 0, 3, 3, 4, "Remove all the rings", ""},
    {53, 0, 1, "GREEN", {"CheckDiscMatch RING", "GoalRings 0"}, 0, 0, 2, 2, 12, "Remove all the rings", ""},
    {54, 0, 1, "YELLOW", {"CheckDiscMatch RING", "GoalRings 0"}, 0, 0, 2, 5, 0, "Remove all the rings", ""},
    {55, 0, 1, "WHITE", {"CheckDiscMatch FORCEFIELD", "GoalTime 90", "GoalForceField 0 1", "GoalForceField 1 1", "GoalForceField 2 1"}, 0, 18, 0, 3, 3, "Get one disc into", "each force field area"},
    {56, 1, 2, "BLUE RED", {"GoalForceField 4 1", "GoalForceField 5 1"}, 0, 0, 0, 4, 6, "Get one disc into", "each force field area"},
    {57, 0, 1, "WHITE", {"CheckDiscMatch FORCEFIELD", "GoalForceField 0 1", "GoalForceField 1 1"}, 0, 0, 0, 8, 2, "Get one disc into", "each force field area"},
    {58, 0, 1, "BLUE", {"GoalRings 0"}, 10, 0, 1, 2, 0, "Remove the green ring", ""},
    {59, 0, 1, "WHITE", {"GoalBricks 6", "GoalRings 0"}, 6, 0, 2, 4, 0, "Only remove the rings", ""},
    {60, 0, 1, "WHITE", {"CheckDiscMatch RING", "GoalBricks 0", "GoalRings 0"}, 1, 8, 2, 2, 0, "Remove all the rings / bricks", ""},
}};

bool Is_Goal_Keyword(const std::string& w, int& args) {
  static const char* one[] = {"CheckDiscMatch", "GoalBricks", "GoalDiscs", "GoalRings", "GoalPoints",
                              "GoalTime", "PointsBrickRemove", "PointsRingNew",
                              "PointsRingDifferentColor", "PointsRingSameColor", "PointsRingSpecial"};
  for (const char* k : one) {
    if (w == k) {
      args = 1;
      return true;
    }
  }
  if (w == "GoalForceField") {
    args = 2;
    return true;
  }
  return false;
}

// Numbers compare by value ("10" and "10.0" are the same goal).
std::string Normal_Word(const std::string& w) {
  char* end = nullptr;
  const double v = std::strtod(w.c_str(), &end);
  if (end != w.c_str() && *end == '\0') {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%g", v);
    return buf;
  }
  return w;
}

std::vector<std::string> Words(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> out;
  for (std::string w; in >> w;) out.push_back(w);
  return out;
}

}  // namespace

const std::array<LevelRow, 61>& Level_Table() { return kRows; }

std::string Check_Level(const GameState& g, const std::string& text, const LevelRow& row) {
  std::vector<std::string> problems;
  auto expect = [&problems](bool ok, const std::string& what) {
    if (!ok) problems.push_back(what);
  };

  // Palette.
  std::string palette;
  for (int i = 0; i < g.PaletteCount && i < kPaletteSize; ++i) {
    if (i > 0) palette += ' ';
    palette += std::string(Color_Name(g.Palette[static_cast<size_t>(i)]));
  }
  expect((g.Shooter.CycleColors & 0xFF) == row.cycle, "ColorSet order differs");
  expect(g.PaletteCount == row.count, "ColorSet count differs");
  expect(palette == row.colors, "palette [" + palette + "] should be [" + row.colors + "]");

  // Goal and points keywords in text order (GoalText words are not keywords).
  const std::vector<std::string> words = Words(text);
  std::vector<std::string> goals;
  for (size_t i = 0; i < words.size(); ++i) {
    int args = 0;
    if (words[i] == "GoalText") {
      i += 2;
    } else if (Is_Goal_Keyword(words[i], args)) {
      std::string g_text = words[i];
      for (int a = 1; a <= args && i + a < words.size(); ++a) g_text += " " + Normal_Word(words[i + a]);
      goals.push_back(g_text);
      i += args;
    }
  }
  std::vector<std::string> wanted;
  for (const char* k : row.goals) {
    if (k == nullptr) break;
    std::vector<std::string> kw = Words(k);
    std::string s = kw[0];
    for (size_t a = 1; a < kw.size(); ++a) s += " " + Normal_Word(kw[a]);
    wanted.push_back(s);
  }
  if (goals != wanted) {
    std::string got;
    for (const std::string& s : goals) got += "[" + s + "]";
    problems.push_back("goals " + got);
  }

  // Objects.
  const FieldCounts c = Count_Field(g);
  expect(c.hollow_bricks == row.hollow_bricks, "hollow bricks " + std::to_string(c.hollow_bricks));
  expect(g.BrickCount - c.hollow_bricks == row.solid_bricks,
         "solid bricks " + std::to_string(g.BrickCount - c.hollow_bricks));
  expect(c.rings == row.rings, "rings " + std::to_string(c.rings));
  expect(c.plain_discs == row.plain_discs, "plain discs " + std::to_string(c.plain_discs));
  expect(g.ForceFieldCount == row.force_fields, "force fields " + std::to_string(g.ForceFieldCount));

  // Goal lines, the final GoalText keyword and the trailing "_".
  expect(g.Goals.GoalText[0] == row.line1, "goal line 1 [" + g.Goals.GoalText[0] + "]");
  expect(g.Goals.GoalText[1] == row.line2, "goal line 2 [" + g.Goals.GoalText[1] + "]");
  const bool two_lines = row.line2[0] != '\0';
  const size_t tail = two_lines ? 4 : 3;  // GoalText line1 line2 [_]
  expect(words.size() >= tail && words[words.size() - tail] == "GoalText", "GoalText is not the last keyword");
  expect(!words.empty() && words.back() == "_", "text does not end with _");
  expect(!text.empty() && text.back() == ' ' && text.find("  ") == std::string::npos,
         "text is not single-blank separated with one final blank");

  std::string out;
  for (const std::string& p : problems) out += (out.empty() ? "" : "; ") + p;
  return out;
}
