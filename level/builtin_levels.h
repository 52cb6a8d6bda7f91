// The 61 level texts built into the program, levels 0 (the tutorial) to 60.
// A level file in data/levels/ of the same name takes a text's place.
#pragma once

#include <string>
#include <string_view>

inline constexpr int kBuiltinLevelCount = 61;
inline constexpr int kTutorialLevel = 0;
inline constexpr int kFirstLevel = 1;   // the first level of the game proper
inline constexpr int kLastLevel = 60;

// The text registered under exactly this name ("data/levels/level_007.dat"),
// or "" for any other name (backslashes and other letter case do not match).
std::string_view Builtin_Level_Text(std::string_view name);

// "data/levels/level_%.3i.dat" for a level number.
std::string Level_File_Name(int level);
