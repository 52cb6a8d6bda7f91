#include "tools/sim/robust.h"

#include <algorithm>
#include <random>

#include "game/game_state.h"
#include "game/goals.h"
#include "level/builtin_levels.h"
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

namespace {

constexpr float kRandomWinsAtMost = 0.25f;  // share of random tries a level after 10 may lose to
constexpr int kBandSize = 15;               // levels per band of the curve
constexpr int kLateLevels = 41;             // the median of kLateLevels..kLastLevel sets the bar for 1..9
constexpr int kTeachingLevels = 10;         // levels before this must not be harder than that bar

float Median(std::vector<float> v) {
  if (v.empty()) return 0.0f;
  std::sort(v.begin(), v.end());
  const size_t n = v.size();
  return n % 2 == 1 ? v[n / 2] : 0.5f * (v[n / 2 - 1] + v[n / 2]);
}

std::vector<float> Shares_Between(const std::vector<CurvePoint>& points, int first, int last) {
  std::vector<float> out;
  for (const CurvePoint& p : points) {
    if (p.level >= first && p.level <= last) out.push_back(p.Share());
  }
  return out;
}

}  // namespace

std::string Curve_Summary(const std::vector<CurvePoint>& points) {
  std::string out;
  char line[160];
  for (int first = kFirstLevel; first <= kLastLevel; first += kBandSize) {
    const int last = first + kBandSize - 1;
    const std::vector<float> band = Shares_Between(points, first, last);
    if (band.empty()) continue;
    std::snprintf(line, sizeof line, "band %2d..%2d: median %.2f, lowest %.2f, highest %.2f\n", first, last,
                  Median(band), *std::min_element(band.begin(), band.end()),
                  *std::max_element(band.begin(), band.end()));
    out += line;
  }
  const float late_median = Median(Shares_Between(points, kLateLevels, kLastLevel));
  std::string early_hard, random_won;
  for (const CurvePoint& p : points) {
    if (p.level < kTeachingLevels && p.Share() < late_median) early_hard += " " + std::to_string(p.level);
    if (p.level > kTeachingLevels && p.Random_Share() > kRandomWinsAtMost) random_won += " " + std::to_string(p.level);
  }
  std::snprintf(line, sizeof line, "median of 41..60: %.2f; levels before 10 harder than that:%s\n", late_median,
                early_hard.empty() ? " none" : early_hard.c_str());
  out += line;
  out += "levels after 10 won by random firing more than one time in four:" +
         (random_won.empty() ? std::string(" none") : random_won) + "\n";
  return out;
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

namespace {

constexpr float kSlackStep = 0.02f;   // seconds between the tried delays
constexpr float kSlackReach = 1.0f;   // seconds tried either way at most
constexpr int kSlackDegrees = 5;      // degrees tried either way at most

bool Wins_With(GameState& g, int level, std::vector<Shot> shots, size_t i, float delay, int aim) {
  shots[i].at = std::max(0.0f, shots[i].at + delay);
  shots[i].angle = std::clamp(shots[i].angle + aim, 20, 160);
  Load_Level(g, level);
  return Play_Shots(g, shots, Give_Up_Time(shots) + std::max(0.0f, delay)).completed;
}

}  // namespace

std::vector<ShotSlack> Measure_Slack(GameState& g, int level, const std::vector<Shot>& shots) {
  std::vector<ShotSlack> out(shots.size());
  for (size_t i = 0; i < shots.size(); ++i) {
    ShotSlack& s = out[i];
    s.plan_wins = Wins_With(g, level, shots, i, 0.0f, 0);
    if (!s.plan_wins) continue;
    for (float d = kSlackStep; d <= kSlackReach + 1e-4f && Wins_With(g, level, shots, i, d, 0); d += kSlackStep) s.late = d;
    for (float d = kSlackStep; d <= kSlackReach + 1e-4f && shots[i].at - d >= 0.0f && Wins_With(g, level, shots, i, -d, 0);
         d += kSlackStep) {
      s.early = d;
    }
    for (int a = 1; a <= kSlackDegrees && Wins_With(g, level, shots, i, 0.0f, a); ++a) s.aim_up = a;
    for (int a = 1; a <= kSlackDegrees && Wins_With(g, level, shots, i, 0.0f, -a); ++a) s.aim_down = a;
  }
  return out;
}
