#include "level/builtin_levels.h"

#include <cstdio>

#include "level/builtin_level_texts.h"

std::string Level_File_Name(int level) {
  char name[64];
  std::snprintf(name, sizeof name, "data/levels/level_%.3i.dat", level);
  return name;
}

std::string_view Builtin_Level_Text(std::string_view name) {
  for (int i = 0; i < kBuiltinLevelCount; ++i) {
    if (name == Level_File_Name(i)) return kBuiltinLevelTexts[i];
  }
  return {};
}
