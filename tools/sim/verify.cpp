#include "tools/sim/verify.h"

#include <cstdio>

#include "game/game_state.h"
#include "game/goals.h"
#include "level/builtin_levels.h"
#include "level/field_geometry.h"
#include "level/level_table.h"
#include "level/level_text.h"
#include "level/load_level.h"
#include "level/pak_archive.h"

namespace {

constexpr float kSettleTime = 60.0f;  // seconds played after the last shot

// The read-outs' rectangles on the play plane, widened downwards by a brick's
// height: seen from the gun's end of the field, a brick standing just below a
// read-out hides it as well as one standing on it.
struct Area {
  float left, right, bottom, top;
  bool Holds(float x, float y) const { return x >= left && x <= right && y >= bottom && y <= top; }
};

Area Readout_Area(float x, int glyphs) {
  const float advance = field::kReadoutSize * 0.65f;  // units between glyphs, as the fixed font draws them
  return {x, x + field::kReadoutSize + advance * static_cast<float>(glyphs - 1), field::kReadoutY - field::kBrickHeight,
          field::kReadoutY + field::kReadoutSize * 4.0f / 3.0f};
}

// Bricks that stand over the clock or the aim read-out (force fields are
// see-through and may cross them).
std::string Readout_Covers(const GameState& g) {
  const Area clock = Readout_Area(field::kClockReadoutX, 6);  // "m:ss.t"
  const Area aim = Readout_Area(field::kAimReadoutX, 3);      // "ddd"
  auto covers = [&](float x, float y) { return clock.Holds(x, y) || aim.Holds(x, y); };
  std::string out;
  for (int i = 0; i < g.BrickCount; ++i) {
    const Brick& b = g.Bricks[static_cast<size_t>(i)];
    bool hit = covers(b.position.x, b.position.y);
    for (const ModelPoint& p : b.points) {  // corners and the halfway points towards them
      const float x = p.x, y = p.y;
      hit = hit || covers(x, y) || covers(0.5f * (x + b.position.x), 0.5f * (y + b.position.y));
    }
    if (hit) out += " brick " + std::to_string(i) + ";";
  }
  return out;
}

int Count_Matching(GameState& g, bool print) {
  int matching = 0;
  for (const LevelRow& row : Level_Table()) {
    Load_Level(g, row.level);
    const std::string text = Read_Level_Text(g.ProgramFolder, Level_File_Name(row.level));
    const std::string problems = Check_Level(g, text, row);
    if (problems.empty()) ++matching;
    if (print) std::printf("level %03d: %s\n", row.level, problems.empty() ? "matches" : problems.c_str());
    const std::string covers = Readout_Covers(g);
    if (print && !covers.empty()) std::printf("level %03d: warning: over a read-out:%s\n", row.level, covers.c_str());
  }
  return matching;
}

// The tutorial keeps a hollow brick outside the walls, so "remove all the
// bricks" can never hold there.
bool Tutorial_Is_Unwinnable(const GameState& g) {
  for (int i = 0; i < g.BrickCount; ++i) {
    const Brick& b = g.Bricks[static_cast<size_t>(i)];
    if (b.IsHollow && (b.position.y > field::kInnerTop || b.position.y < field::kInnerBottom ||
                       b.position.x < field::kInnerLeft || b.position.x > field::kInnerRight)) {
      return g.Goals.GoalBricks == 0;
    }
  }
  return false;
}

std::string Time_Rule(const LevelGoals& goals) {
  char buf[48];
  if (goals.GoalTimeMode == 1) {
    std::snprintf(buf, sizeof buf, "within %.0f s", goals.GoalTime);
  } else if (goals.GoalTimeMode == -1) {
    std::snprintf(buf, sizeof buf, "after %.0f s", goals.GoalTime);
  } else {
    return "no time rule";
  }
  return buf;
}

}  // namespace

float Give_Up_Time(const std::vector<Shot>& shots) {
  return (shots.empty() ? 0.0f : shots.back().at) + kSettleTime;
}

bool Check_All_Levels(GameState& g) {
  const int matching = Count_Matching(g, true);
  std::printf("%d/%d levels match the level table\n", matching, kBuiltinLevelCount);
  return matching == kBuiltinLevelCount;
}

bool Verify_Levels(GameState& g, const std::string& solutions_dir) {
  const int matching = Count_Matching(g, false);
  int solved = 0;
  for (int level = 0; level < kBuiltinLevelCount; ++level) {
    Load_Level(g, level);
    if (level == 0) {
      const bool never = Tutorial_Is_Unwinnable(g);
      std::printf("level 000: tutorial: %s\n",
                  never ? "a hollow brick lies outside the walls, so it never completes (as intended)"
                        : "CAN complete, but the tutorial must not");
      continue;
    }
    char name[64];
    std::snprintf(name, sizeof name, "%s/level_%.3d.txt", solutions_dir.c_str(), level);
    std::string text, error;
    std::vector<Shot> shots;
    if (!Read_File(name, text)) {
      std::printf("level %03d: no solution file [%s]\n", level, name);
      continue;
    }
    if (!Parse_Solution(text, shots, error)) {
      std::printf("level %03d: bad solution: %s\n", level, error.c_str());
      continue;
    }
    const PlayResult r = Play_Shots(g, shots, Give_Up_Time(shots));
    if (r.completed) ++solved;
    std::printf("level %03d: %2d shots, %s at %6.2f s (%s)\n", level, r.shots_fired,
                r.completed ? "completed" : "NOT completed", r.time, Time_Rule(g.Goals).c_str());
  }
  std::printf("%d/%d levels match the level table; %d/%d levels solved\n", matching, kBuiltinLevelCount, solved,
              kBuiltinLevelCount - 1);
  return matching == kBuiltinLevelCount && solved == kBuiltinLevelCount - 1;
}
