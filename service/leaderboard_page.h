// The leaderboard's HTML: the best time of every level, the players ranked
// by their total over all levels with their medals, those still on their
// way, the latest uploads; and one level's table. Rendering only, from
// records already fetched: no queries here, and every stored text that
// reaches the page passes through Html_Escape.
#pragma once

#include <string>
#include <vector>

#include "service/score_records.h"

struct Leaderboard {
  std::vector<ScoreRecord> best;          // one per level that has a score
  std::vector<PlayerStanding> complete;   // all levels, by total
  std::vector<PlayerStanding> climbing;   // fewer levels, by levels then total
  std::vector<ScoreRecord> latest;
};

std::string Leaderboard_Page(const Leaderboard& board);
std::string Level_Page(int level, const std::vector<ScoreRecord>& table);
// Where a score file is downloaded from.
std::string File_Link(const ScoreRecord& r);
