// The texts of the built-in levels, in level order. They are made at build
// time from levels/builtin/level_NNN.txt, one level per file, so a designer
// edits a level as a plain text.
#pragma once

#include <string_view>

extern const std::string_view kBuiltinLevelTexts[61];
