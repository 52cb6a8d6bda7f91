// The level text: a flat sequence of words in which a keyword is followed by
// a fixed number of argument words. Three passes walk the whole text, each
// acting only on its own keywords and skipping every other word:
//   objects: ColorSet, Brick, Disc, ForceField, GoalText
//   goals:   CheckDiscMatch, GoalBricks, GoalDiscs, GoalRings, GoalPoints,
//            GoalForceField, GoalTime
//   points:  PointsBrickRemove, PointsRingNew, PointsRingDifferentColor,
//            PointsRingSameColor, PointsRingSpecial
// Arguments are read with scanf's rules (octal 010, hex 0x10, partial
// scans). Bad words never stop a level from loading: an unknown word is
// skipped, a full list ignores further objects.
#pragma once

#include <string>
#include <string_view>

#include "game/colors.h"

struct GameState;

// The text of a level file (folder/name), with line feeds and tabs turned
// into blanks, runs of blanks folded and one blank appended; without such a
// file, the built-in text registered under exactly that name (or "").
std::string Read_Level_Text(const std::string& folder, const std::string& name);
// The same fold applied to file bytes already in memory.
std::string Fold_Level_Text(const std::string& bytes);

// The next run of at most 150 non-blank characters; false when only white
// space remains. The text is not changed.
bool Read_Word(std::string_view text, std::string& word);
// Removes everything up to and including the first blank. The walk works on
// a view, so consuming a word costs nothing and a text of any size is read
// in time proportional to its length.
void Consume_Word(std::string_view& text);
// Reads and consumes one colour word; an unknown word gives (0, 0, 0).
Color Parse_Color(std::string_view& text);

// The text a level load reads: the player's own level file in
// g.UserLevelsFolder (same base name) first, then Read_Level_Text.
std::string Level_Text_For(const GameState& g, const std::string& name);

void Parse_Objects(GameState& g, const std::string& name);
void Parse_Goals(GameState& g, const std::string& name);
void Parse_Points(GameState& g, const std::string& name);

// The three passes on a text already in memory (the tools and tests use
// these; the passes above read the text anew each time, as a level load does).
void Parse_Objects_Text(GameState& g, std::string text);
void Parse_Goals_Text(GameState& g, std::string text);
void Parse_Points_Text(GameState& g, std::string text);
