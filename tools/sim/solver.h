// A designer's solver: searches for a list of shots that completes a level,
// on the headless simulation. Beam search: from each kept position it tries
// random aims and waits, plays each a few seconds ahead, scores how far the
// goals are, and keeps the most promising. Not clever, but it finds the
// easy levels quickly and shows a designer where a level is open.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/sim/autoplay.h"

struct GameState;

struct SolveOptions {
  int beam = 12;          // positions kept after each shot
  int candidates = 40;    // shots tried from each position
  int max_shots = 40;
  float horizon = 6.0f;   // seconds played ahead to judge a shot
  uint32_t seed = 1;
  bool verbose = false;
};

// g: a level just loaded. On success fills shots with a verified solution.
bool Solve_Level(const GameState& g, std::vector<Shot>& shots, const SolveOptions& options);

// How far the goals are (0 when they hold); a large value when lost.
float Goal_Distance(const GameState& g);
