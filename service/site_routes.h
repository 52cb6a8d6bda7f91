// The public site under /prismel/: the leaderboard page, a level's table,
// the score files for download and the JSON API. Read-only: nothing here
// writes to the store, and only confirmed scores are ever shown or served.
#pragma once

#include <string_view>

#include "service/outcome.h"

class ScoreStore;

class SiteRoutes {
 public:
  explicit SiteRoutes(ScoreStore& store) : store_(store) {}

  Outcome Leaderboard();
  Outcome Level(std::string_view level_text);
  // The score file as "LLL_NAME_ID.score", named so that the game finds
  // the level in its first three digits.
  Outcome File(std::string_view id_text);

  Outcome Api_Levels();
  Outcome Api_Level(std::string_view level_text);
  Outcome Api_Players();
  Outcome Api_Latest();

 private:
  ScoreStore& store_;
};
