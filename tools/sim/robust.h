// How a level's solution holds up away from the exact player: the robust
// check (verify-levels --robust) and the difficulty curve (curve).
//
// The robust check plays each solution through Play_Frame at several fixed
// frame times, at jittered ones, with every aim a degree off either way and
// with every shot 0.2 s late. A level whose solution loses at some frame
// rate cannot be trusted to a player's machine.
//
// The curve plays each level many times as an imperfect player who follows
// the solution's plan (aim off by up to a degree, presses up to 0.3 s late,
// jittered frames) and as a player firing at random; the share of wins is
// the level's difficulty figure (lower is harder).
#pragma once

#include <string>
#include <vector>

#include "level/solution_file.h"
#include "tools/sim/autoplay.h"

struct GameState;

struct NamedConditions {
  std::string name;
  PlayConditions conditions;
  bool frame_time_only;  // counts for "wins under every frame-time condition"
};

// The conditions of the robust check, in their column order.
std::vector<NamedConditions> Robust_Conditions();

struct RobustRow {
  int level = 0;
  std::vector<bool> wins;  // per condition
  bool frame_times = false;  // won under every frame-time condition
  bool everything = false;   // and under the aim and lateness changes
};

// Plays level's solution under every condition.
RobustRow Check_Robust(GameState& g, int level, const std::vector<Shot>& shots);

struct CurvePoint {
  int level = 0;
  int tries = 0;
  int wins = 0;         // the imperfect player following the plan
  int random_wins = 0;  // of as many tries firing at random
  float Share() const { return tries > 0 ? static_cast<float>(wins) / static_cast<float>(tries) : 0.0f; }
  float Random_Share() const { return tries > 0 ? static_cast<float>(random_wins) / static_cast<float>(tries) : 0.0f; }
};

CurvePoint Measure_Curve(GameState& g, int level, const std::vector<Shot>& shots, int tries);

// The shape of the whole set's curve: the median figure of each band of
// fifteen levels, the levels before 10 harder than the median of 41..60, and
// the levels after 10 that random firing wins more than one time in four.
std::string Curve_Summary(const std::vector<CurvePoint>& points);

// How far one shot of the solution may stray with the others kept exact, at
// 1/60 s: the contiguous range of press delays (seconds; negative is early)
// and of aim offsets (degrees) around the plan that still win. A level
// designer reads it to see which shots ask for timing and which for aim.
struct ShotSlack {
  float early = 0.0f, late = 0.0f;  // seconds: wins from -early to +late
  int aim_down = 0, aim_up = 0;     // degrees: wins from -aim_down to +aim_up
  bool plan_wins = false;
};

std::vector<ShotSlack> Measure_Slack(GameState& g, int level, const std::vector<Shot>& shots);
