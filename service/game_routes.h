// The three requests the game sends after a new top-five time, and what
// each does to the store:
//
//   accessPrismel.php?access=replay_upload_information&...  a ticket: "1,<timestamp>,<upload base>"
//   upload_file.php  "LLL_TIME_NAME <Base64>"               the checked file, pending on its ticket
//   accessPrismel.php?access=replay_upload_confirmation&... the pending file goes public
//
// A refused request answers "0" with a 4xx status and stores nothing. The
// game reads only the first answer; the statuses are for people and logs.
// Size and rate limits are the server's, before a request gets here.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "service/outcome.h"
#include "service/protocol_words.h"

class ScoreStore;
class ScoreChecker;

struct GameRouteSettings {
  std::string public_url;             // what the game posts to, less "/upload_file.php"
  int64_t ticket_seconds = 600;       // how long a ticket waits for its file and confirmation
  std::function<int64_t()> clock;     // GMT seconds
};

class GameRoutes {
 public:
  GameRoutes(ScoreStore& store, ScoreChecker& checker, GameRouteSettings settings);

  Outcome Access(const QueryParams& query);
  Outcome Upload(std::string_view body);

 private:
  Outcome Information(const QueryParams& query);
  Outcome Confirmation(const QueryParams& query);

  ScoreStore& store_;
  ScoreChecker& checker_;
  GameRouteSettings settings_;
  std::atomic<int64_t> last_sweep_{0};  // when expired tickets were last dropped
};
