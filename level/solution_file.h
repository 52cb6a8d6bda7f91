// Level solutions: the shots that win a level, one per line,
//   at SECONDS fire DEGREES     # fire when level time >= SECONDS
// '#' starts a comment; shots are taken in file order. prismel-sim plays
// and writes them; a game script plays them through the real game's keys.
#pragma once

#include <string>
#include <vector>

struct Shot {
  float at = 0.0f;  // level time, seconds
  int angle = 90;   // whole degrees, 20..160
};

// Parses a solution text; on a bad line returns false with the line number
// and reason in error.
bool Parse_Solution(const std::string& text, std::vector<Shot>& shots, std::string& error);
std::string Format_Solution(const std::vector<Shot>& shots, const std::string& comment);
