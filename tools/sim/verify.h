// Level verification: every built-in level against the level table, and
// every level 1..60 completed by its solution within its time rule.
#pragma once

#include <string>
#include <vector>

#include "tools/sim/autoplay.h"

struct GameState;

// g holds the templates; each check loads its level afresh.
bool Check_All_Levels(GameState& g);
bool Verify_Levels(GameState& g, const std::string& solutions_dir);

// How long to keep playing after the last shot before calling it a failure.
float Give_Up_Time(const std::vector<Shot>& shots);
