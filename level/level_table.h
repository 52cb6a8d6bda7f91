// The level-set table: for each built-in level its palette, goal keywords
// in text order, object counts and goal lines. The built-in texts must match
// it exactly; prismel-sim and the tests check them against it.
#pragma once

#include <array>
#include <string>

struct GameState;

struct LevelRow {
  int level;
  int cycle;          // first ColorSet number
  int count;          // second ColorSet number
  const char* colors;  // ColorSet colour words, blank-separated
  std::array<const char*, 6> goals;  // goal and points keywords with arguments, in text order
  int hollow_bricks, solid_bricks;
  int rings, plain_discs;
  int force_fields;
  const char* line1;
  const char* line2;
};

const std::array<LevelRow, 61>& Level_Table();

// Checks a loaded level (g after Load_Level) and its text against its row.
// Returns "" when everything matches, else the differences, "; "-separated.
std::string Check_Level(const GameState& g, const std::string& text, const LevelRow& row);
