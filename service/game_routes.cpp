#include "service/game_routes.h"

#include <cstdlib>

#include "service/score_checker.h"
#include "service/score_store.h"

namespace {

constexpr int kMalformed = 400;
constexpr int kNothingPending = 404;
constexpr int kFailedCheck = 422;
constexpr int64_t kSweepSeconds = 60;

Outcome Refused(int status, const std::string& why) { return Outcome::Text(status, "0", why); }

std::string Describe(int level, const std::string& name, const std::string& time_text) {
  return "level " + std::to_string(level) + " " + name + " " + time_text;
}

}  // namespace

GameRoutes::GameRoutes(ScoreStore& store, ScoreChecker& checker, GameRouteSettings settings)
    : store_(store), checker_(checker), settings_(std::move(settings)) {
  while (!settings_.public_url.empty() && settings_.public_url.back() == '/') settings_.public_url.pop_back();
}

Outcome GameRoutes::Access(const QueryParams& query) {
  switch (Access_Of(query)) {
    case Access::Information: return Information(query);
    case Access::Confirmation: return Confirmation(query);
    case Access::Unknown: break;
  }
  return Refused(kMalformed, "no known access word");
}

Outcome GameRoutes::Information(const QueryParams& query) {
  Ticket ticket;
  std::string why;
  if (!Read_Information(query, ticket, why)) return Refused(kMalformed, "information refused: " + why);
  const int64_t now = settings_.clock();
  // Old tickets only cost space: clearing them once a minute is plenty.
  int64_t last = last_sweep_.load();
  if (now - last >= kSweepSeconds && last_sweep_.compare_exchange_strong(last, now)) store_.Forget_Expired(now);
  const int64_t timestamp = store_.Add_Ticket(ticket, now, now + settings_.ticket_seconds);
  return Outcome::Text(200, "1," + std::to_string(timestamp) + "," + settings_.public_url,
                       "ticket " + std::to_string(timestamp) + " for " +
                           Describe(ticket.level, ticket.name, ticket.time_text));
}

Outcome GameRoutes::Upload(std::string_view body) {
  UploadedFile upload;
  std::string why;
  if (!Read_Upload(body, upload, why)) return Refused(kMalformed, "upload refused: " + why);
  const std::string what = Describe(upload.level, upload.name, upload.time_text);
  const int64_t now = settings_.clock();
  // The cheap test first: a file nobody announced is not worth replaying.
  if (!store_.Has_Open_Ticket(upload.level, upload.time_text, upload.name, now)) {
    return Refused(kMalformed, "upload refused: no open ticket for " + what);
  }
  const std::vector<std::string> problems = checker_.Check(upload.file, upload.level, upload.name, upload.time_text);
  if (!problems.empty()) {
    return Refused(kFailedCheck, "score file refused (" + what + "): " + problems.front() +
                                     (problems.size() > 1 ? " (+" + std::to_string(problems.size() - 1) + " more)" : ""));
  }
  const double seconds = std::strtod(upload.time_text.c_str(), nullptr);
  if (!store_.Add_Pending(upload.level, upload.time_text, upload.name, seconds, upload.file, now)) {
    return Refused(kMalformed, "upload refused: its ticket was used or expired meanwhile, " + what);
  }
  return Outcome::Text(200, "1", "pending " + what);
}

Outcome GameRoutes::Confirmation(const QueryParams& query) {
  ConfirmationRequest c;
  std::string why;
  if (!Read_Confirmation(query, c, why)) return Refused(kMalformed, "confirmation refused: " + why);
  if (!store_.Confirm(c.name, c.timestamp, settings_.clock())) {
    return Refused(kNothingPending, "confirmation refused: nothing pending for " + c.name + " at " +
                                        std::to_string(c.timestamp));
  }
  return Outcome::Text(200, "1", "public: " + c.name + " at " + std::to_string(c.timestamp));
}
