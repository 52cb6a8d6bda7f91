// The plain records the service's storage hands in and out: tickets issued
// to the game, public scores, players' standings. Data only; what they mean
// to the upload exchange is in game_routes.h, how they are kept is the
// store's business.
#pragma once

#include <cstdint>
#include <string>

// What the game announced in its information request. The score file that
// follows must carry the same level, time text and name.
struct Ticket {
  int level = 0;
  std::string time_text;  // the time as the game printed it ("%f")
  std::string name;
  std::string os;
  std::string version;
};

// A public score: one confirmed upload.
struct ScoreRecord {
  int64_t id = 0;
  int level = 0;
  std::string name;
  std::string time_text;
  double seconds = 0.0;
  int64_t public_at = 0;  // GMT seconds when it was confirmed
};

// A player's best times over the levels they have a public score on.
struct PlayerStanding {
  std::string name;
  int levels = 0;      // levels with a public score
  double total = 0.0;  // sum of the best time of each of those levels
};

struct StoredFile {
  int64_t id = 0;
  int level = 0;
  std::string name;
  std::string text;  // the score file
};

// How much the store holds, for tests and the service's start-up line.
struct StoreCounts {
  int64_t tickets = 0;
  int64_t pending = 0;
  int64_t published = 0;
};
