// prismel-scores-bench: how fast the service is where it matters.
//   1. complete uploads per second: information request, checked upload,
//      confirmation, one client after another, each a real level-1 run;
//   2. the leaderboard page's latency with 10 000 public scores stored
//      (500 players; ten of them have every level), and the JSON API's beside it.
// The server, the SQLite store and the checker are the ones prismel-scores
// runs, in this process, over real HTTP on the loopback. Speed targets
// live here and never in a test.
#include <httplib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <future>
#include <memory>
#include <string>
#include <vector>

#include "engine/base64.h"
#include "game/game_state.h"
#include "scores/score_check.h"
#include "scores/score_file.h"
#include "service/score_checker.h"
#include "service/scores_server.h"
#include "service/sqlite_store.h"
#include "service/testing/recorded_run.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kUploads = 300;
constexpr int kStoredScores = 10000;
constexpr int kPlayers = 500;
constexpr int kPageRequests = 200;

double Millis(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

void Report_Latency(const char* what, std::vector<double> ms) {
  std::sort(ms.begin(), ms.end());
  const auto at = [&](double q) { return ms[static_cast<size_t>(q * static_cast<double>(ms.size() - 1))]; };
  std::printf("%-34s median %7.2f ms   p95 %7.2f ms   max %7.2f ms   (%zu requests)\n", what, at(0.5), at(0.95),
              ms.back(), ms.size());
}

// Fills the store directly, as that many confirmed uploads would have: ten
// players with every level, the rest with twenty levels each.
void Store_Scores(ScoreStore& store, int64_t now) {
  constexpr int kChampions = 10;
  for (int i = 0; i < kStoredScores; ++i) {
    int level = 0;
    std::string name;
    if (i < kChampions * 60) {
      name = "Champion" + std::to_string(i / 60);
      level = 1 + i % 60;
    } else {
      const int k = i - kChampions * 60, others = kPlayers - kChampions;
      name = "Player" + std::to_string(k % others);
      level = 1 + (k % others + k / others * 7) % 60;
    }
    const double seconds = 5.0 + (i * 7919 % 30000) / 1000.0;
    char time[32];
    std::snprintf(time, sizeof time, "%f", seconds);
    const int64_t at = now + i;  // one ticket a second, as the timestamps are unique anyway
    const int64_t stamp = store.Add_Ticket({level, time, name, "Linux_6.1.0", "1.03"}, at, at + 600);
    store.Add_Pending(level, time, name, seconds, "stored score " + std::to_string(i), at);
    store.Confirm(name, stamp, at);
  }
}

}  // namespace

int main() {
  std::string pattern = (std::filesystem::temp_directory_path() / "prismel-bench-XXXXXX").string();
  const std::string folder = mkdtemp(pattern.data());
  std::string why;
  auto checker = ScoreChecker::Open(PRISMEL_BUILD_DIR, why);
  auto store = SqliteStore::Open(folder + "/scores.db", why);
  auto g = std::make_unique<GameState>();
  if (!checker || !store || !Prepare_Check_State(*g, PRISMEL_BUILD_DIR)) {
    std::fprintf(stderr, "prismel-scores-bench: cannot start: %s\n", why.c_str());
    return 1;
  }
  const RecordedRun run = Record_Solution_Run(*g, 1, PRISMEL_SOLUTIONS_DIR, "Bench");

  ServerSettings settings;
  settings.public_url = "http://127.0.0.1";
  settings.rate_per_minute = 0;
  settings.log = [](const std::string&) {};
  ScoresServer server(*store, *checker, settings);
  const int port = server.Bind("127.0.0.1", 0);
  auto served = std::async(std::launch::async, [&] { return server.Serve(); });
  httplib::Client client("127.0.0.1", port);
  client.set_keep_alive(true);
  client.set_tcp_nodelay(true);

  // 1. Uploads: each player's own file, since the trailer carries the name.
  std::vector<std::string> bodies;
  for (int i = 0; i < kUploads; ++i) {
    const std::string name = "Bench" + std::to_string(i);
    bodies.push_back(Upload_Name(run, 1, name) + " " +
                     CKorvidBase64::Encode(Score_File_Text(run.recording, name, run.seconds)));
  }
  int refused = 0;
  std::vector<double> exchange_ms;
  const auto t0 = Clock::now();
  for (int i = 0; i < kUploads; ++i) {
    const auto begin = Clock::now();
    const std::string name = "Bench" + std::to_string(i);
    const auto info = client.Get("/accessPrismel.php?access=replay_upload_information&level=1&highscore=" +
                                 run.time_text + "&username=" + name + "&os=Linux_6.1.0&version=1.03");
    const auto posted = client.Post("/upload_file.php", bodies[static_cast<size_t>(i)],
                                    "application/x-www-form-urlencoded");
    const std::string stamp = info ? info->body.substr(2, info->body.find(',', 2) - 2) : "";
    const auto confirmed =
        client.Get("/accessPrismel.php?access=replay_upload_confirmation&username=" + name + "&timestamp_gmt=" + stamp);
    if (!info || !posted || !confirmed || posted->status != 200 || confirmed->status != 200) ++refused;
    exchange_ms.push_back(Millis(Clock::now() - begin));
  }
  const double seconds = Millis(Clock::now() - t0) / 1000.0;
  std::printf("complete uploads (3 requests each)  %7.1f per second   (%d in %.2f s, %d refused; level 1, %zu-byte file)\n",
              kUploads / seconds, kUploads, seconds, refused, run.score_file.size());
  Report_Latency("one complete upload", exchange_ms);

  // 2. The page with 10 000 scores.
  Store_Scores(*store, static_cast<int64_t>(std::time(nullptr)));
  const StoreCounts counts = store->Counts();
  std::printf("stored public scores: %lld\n", static_cast<long long>(counts.published));
  for (const char* path : {"/prismel/", "/prismel/api/players", "/prismel/level/7"}) {
    std::vector<double> ms;
    size_t bytes = 0;
    for (int i = 0; i < kPageRequests; ++i) {
      const auto begin = Clock::now();
      const auto r = client.Get(path);
      ms.push_back(Millis(Clock::now() - begin));
      if (!r || r->status != 200) {
        std::fprintf(stderr, "%s failed\n", path);
        return 1;
      }
      bytes = r->body.size();
    }
    const std::string what = std::string("GET ") + path + " (" + std::to_string(bytes / 1024) + " KiB)";
    Report_Latency(what.c_str(), ms);
  }

  do server.Stop();
  while (served.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready);
  store.reset();
  std::filesystem::remove_all(folder);
  return refused == 0 ? 0 : 1;
}
