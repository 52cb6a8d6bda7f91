// The JSON API's documents, for anyone who wants the leaderboard as data:
//   /prismel/api/levels      the best score of each level
//   /prismel/api/level/N     each player's best on level N
//   /prismel/api/players     players ranked (all levels) and on their way
//   /prismel/api/latest      the latest public scores
// Rendering only, from records already fetched. Every string is escaped
// for JSON; times come both as the game printed them and as numbers.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "service/score_records.h"

std::string Json_String(std::string_view s);

std::string Levels_Json(const std::vector<ScoreRecord>& best);
std::string Level_Json(int level, const std::vector<ScoreRecord>& table);
std::string Players_Json(const std::vector<PlayerStanding>& complete, const std::vector<PlayerStanding>& climbing);
std::string Latest_Json(const std::vector<ScoreRecord>& latest);
