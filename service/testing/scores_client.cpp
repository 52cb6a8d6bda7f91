// prismel-scores-client: the game's side of the upload exchange, for tests
// of the real service program. It plays each level by its recorded
// solution, so the files it sends are real runs, and speaks to the service
// exactly as the game does.
//
//   prismel-scores-client upload URL NAME LEVEL...   the three requests per level
//   prismel-scores-client get URL                     prints a page's body
//
// Test support only; it is not shipped and does not stand for the game.
#include <httplib.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "game/game_state.h"
#include "scores/score_check.h"
#include "service/testing/recorded_run.h"
#include "engine/base64.h"

namespace {

// "http://host:port/path" into the client's address and the path.
bool Split_Url(const std::string& url, std::string& origin, std::string& path) {
  const size_t scheme = url.find("://");
  if (scheme == std::string::npos) return false;
  const size_t slash = url.find('/', scheme + 3);
  origin = url.substr(0, slash);
  path = slash == std::string::npos ? "" : url.substr(slash);
  return true;
}

bool Upload(httplib::Client& service, const std::string& name, int level, GameState& g) {
  const RecordedRun run = Record_Solution_Run(g, level, PRISMEL_SOLUTIONS_DIR, name);
  if (!run.completed) {
    std::fprintf(stderr, "level %d: the solution does not complete it\n", level);
    return false;
  }
  char query[256];
  std::snprintf(query, sizeof query,
                "/accessPrismel.php?access=replay_upload_information&level=%i&highscore=%s&username=%s"
                "&os=Linux_6.1.0&version=1.03",
                level, run.time_text.c_str(), name.c_str());
  const auto info = service.Get(query);
  if (!info || info->status != 200 || info->body.rfind("1,", 0) != 0) {
    std::fprintf(stderr, "level %d: information refused (%s)\n", level, info ? info->body.c_str() : "no answer");
    return false;
  }
  const size_t comma = info->body.find(',', 2);
  const std::string timestamp = info->body.substr(2, comma - 2);
  std::string origin, base;
  if (comma == std::string::npos || !Split_Url(info->body.substr(comma + 1), origin, base)) return false;
  httplib::Client upload_host(origin);
  const auto posted = upload_host.Post(base + "/upload_file.php",
                                       Upload_Name(run, level, name) + " " + CKorvidBase64::Encode(run.score_file),
                                       "application/x-www-form-urlencoded");
  if (!posted || posted->status != 200) {
    std::fprintf(stderr, "level %d: upload refused (%d)\n", level, posted ? posted->status : -1);
    return false;
  }
  const auto confirmed = service.Get("/accessPrismel.php?access=replay_upload_confirmation&username=" + name +
                                     "&timestamp_gmt=" + timestamp);
  if (!confirmed || confirmed->status != 200) {
    std::fprintf(stderr, "level %d: confirmation refused\n", level);
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  std::string origin, path;
  if (args.size() == 2 && args[0] == "get" && Split_Url(args[1], origin, path)) {
    httplib::Client client(origin);
    const auto r = client.Get(path.empty() ? "/" : path);
    if (!r) return 1;
    std::fwrite(r->body.data(), 1, r->body.size(), stdout);
    return r->status == 200 ? 0 : 1;
  }
  if (args.size() < 4 || args[0] != "upload" || !Split_Url(args[1], origin, path)) {
    std::fprintf(stderr, "usage: prismel-scores-client upload URL NAME LEVEL... | get URL\n");
    return 2;
  }
  auto g = std::make_unique<GameState>();
  if (!Prepare_Check_State(*g, PRISMEL_BUILD_DIR)) {
    std::fprintf(stderr, "no data/models.pak in %s\n", PRISMEL_BUILD_DIR);
    return 1;
  }
  httplib::Client service(origin);
  for (size_t i = 3; i < args.size(); ++i) {
    if (!Upload(service, args[2], std::atoi(args[i].c_str()), *g)) return 1;
  }
  std::printf("uploaded %zu scores of %s\n", args.size() - 3, args[2].c_str());
  return 0;
}
