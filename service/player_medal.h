// A player's medal on the leaderboard, by the rule the game's menu uses for
// its own player (frontend/medals.h): Gold for every level completed within
// the time limit in total, Silver for every level, Bronze otherwise. It
// keeps no limit of its own, so the site and the game can never disagree.
#pragma once

#include <string>

#include "service/score_records.h"

// "Gold", "Silver" or "Bronze".
std::string Player_Medal(const PlayerStanding& p);
