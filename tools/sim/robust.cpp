#include "tools/sim/robust.h"

#include <random>

#include "game/game_state.h"
#include "game/goals.h"
#include "level/load_level.h"
#include "tools/sim/verify.h"

namespace {

constexpr float kLateShot = 0.2f;        // seconds, the robust check's late press
constexpr float kJitterMin = 1.0f / 70.0f;  // seconds per frame
constexpr float kJitterMax = 1.0f / 45.0f;
constexpr int kJitterSeeds = 4;
constexpr float kCurveLateSpread = 0.3f;  // seconds, the curve's player presses up to this late
constexpr float kRandomGiveUp = 90.0f;    // seconds a random player keeps firing

PlayConditions Fixed(float frame_time) {
  PlayConditions c;
  c.frame_min = c.frame_max = frame_time;
  return c;
}

// A player who fires at random aims, as soon as the gun has reloaded, until
// the level is won, lost or the time is up.
bool Random_Player_Wins(GameState& g, int level, uint32_t seed) {
  Load_Level(g, level);
  g.LevelStatus = LEVEL_PLAYING;
  g.Paused = false;
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> aim(20, 160);
  int target = aim(random);
  while (g.LevelStatus != LEVEL_COMPLETE && g.LevelTime < kRandomGiveUp && Level_Can_Finish(g)) {
    if (Player_Frame(g, target, true)) target = aim(random);
  }
  return g.LevelStatus == LEVEL_COMPLETE;
}

}  // namespace

std::vector<NamedConditions> Robust_Conditions() {
  std::vector<NamedConditions> out;
  for (int hz : {50, 60, 75, 100, 120, 144}) {
    out.push_back({"1/" + std::to_string(hz), Fixed(1.0f / static_cast<float>(hz)), true});
  }
  for (int seed = 1; seed <= kJitterSeeds; ++seed) {
    PlayConditions c;
    c.frame_min = kJitterMin;
    c.frame_max = kJitterMax;
    c.seed = static_cast<uint32_t>(seed);
    out.push_back({"jit" + std::to_string(seed), c, true});
  }
  PlayConditions up = Fixed(kSimFrameTime), down = Fixed(kSimFrameTime), late = Fixed(kSimFrameTime);
  up.aim_offset = 1;
  down.aim_offset = -1;
  late.late = kLateShot;
  out.push_back({"aim+1", up, false});
  out.push_back({"aim-1", down, false});
  out.push_back({"late", late, false});
  return out;
}

RobustRow Check_Robust(GameState& g, int level, const std::vector<Shot>& shots) {
  RobustRow row;
  row.level = level;
  row.frame_times = true;
  row.everything = true;
  for (const NamedConditions& n : Robust_Conditions()) {
    Load_Level(g, level);
    const bool won = Play_Shots(g, shots, Give_Up_Time(shots) + n.conditions.late, n.conditions).completed;
    row.wins.push_back(won);
    if (!won) {
      row.everything = false;
      if (n.frame_time_only) row.frame_times = false;
    }
  }
  return row;
}

CurvePoint Measure_Curve(GameState& g, int level, const std::vector<Shot>& shots, int tries) {
  CurvePoint p;
  p.level = level;
  p.tries = tries;
  for (int t = 0; t < tries; ++t) {
    PlayConditions c;
    c.frame_min = kJitterMin;
    c.frame_max = kJitterMax;
    c.seed = static_cast<uint32_t>(1000 + t);
    c.aim_spread = 1;
    c.late_spread = kCurveLateSpread;
    Load_Level(g, level);
    if (Play_Shots(g, shots, Give_Up_Time(shots) + kCurveLateSpread, c).completed) ++p.wins;
    if (Random_Player_Wins(g, level, static_cast<uint32_t>(5000 + t))) ++p.random_wins;
  }
  return p;
}
