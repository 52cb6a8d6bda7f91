#include "service/site_routes.h"

#include <charconv>
#include <cstdio>

#include "service/json_api.h"
#include "service/leaderboard_page.h"
#include "service/protocol_words.h"
#include "service/score_store.h"

namespace {

constexpr int kLevelTableSize = 20;   // players on a level's table
constexpr int kStandingsShown = 100;  // players in each ranking
constexpr int kLatestShown = 20;
constexpr int kAllLevels = kLastScoreLevel - kFirstScoreLevel + 1;

Outcome Html(std::string page, std::string note) {
  Outcome o = Outcome::Text(200, std::move(page), std::move(note));
  o.content_type = "text/html; charset=utf-8";
  return o;
}

Outcome Json(std::string document, std::string note) {
  Outcome o = Outcome::Text(200, std::move(document), std::move(note));
  o.content_type = "application/json";
  return o;
}

Outcome Not_Found(const std::string& note) { return Outcome::Text(404, "Not found\n", note); }

bool Parse_Id(std::string_view text, int64_t& id) {
  const auto r = std::from_chars(text.data(), text.data() + text.size(), id);
  return r.ec == std::errc() && r.ptr == text.data() + text.size() && id > 0;
}

}  // namespace

Outcome SiteRoutes::Leaderboard() {
  ::Leaderboard board;
  board.best = store_.Best_Per_Level();
  board.complete = store_.Standings(true, kAllLevels, kStandingsShown);
  board.climbing = store_.Standings(false, kAllLevels, kStandingsShown);
  board.latest = store_.Latest(kLatestShown);
  return Html(Leaderboard_Page(board), "leaderboard");
}

Outcome SiteRoutes::Level(std::string_view level_text) {
  int level = 0;
  if (!Parse_Level(level_text, level)) return Not_Found("no such level");
  return Html(Level_Page(level, store_.Level_Table(level, kLevelTableSize)), "level " + std::to_string(level));
}

Outcome SiteRoutes::File(std::string_view id_text) {
  int64_t id = 0;
  if (!Parse_Id(id_text, id)) return Not_Found("no such score file");
  const std::optional<StoredFile> file = store_.Public_File(id);
  if (!file) return Not_Found("no public score file " + std::to_string(id));
  char name[64];
  std::snprintf(name, sizeof name, "%.3i_%s_%lld.score", file->level, file->name.c_str(),
                static_cast<long long>(file->id));
  Outcome o = Outcome::Text(200, file->text, "file " + std::to_string(id));
  o.content_type = "application/octet-stream";
  o.headers.emplace_back("Content-Disposition", std::string("attachment; filename=\"") + name + "\"");
  return o;
}

Outcome SiteRoutes::Api_Levels() { return Json(Levels_Json(store_.Best_Per_Level()), "api levels"); }

Outcome SiteRoutes::Api_Level(std::string_view level_text) {
  int level = 0;
  if (!Parse_Level(level_text, level)) return Not_Found("no such level");
  return Json(Level_Json(level, store_.Level_Table(level, kLevelTableSize)), "api level " + std::to_string(level));
}

Outcome SiteRoutes::Api_Players() {
  return Json(Players_Json(store_.Standings(true, kAllLevels, kStandingsShown),
                           store_.Standings(false, kAllLevels, kStandingsShown)),
              "api players");
}

Outcome SiteRoutes::Api_Latest() { return Json(Latest_Json(store_.Latest(kLatestShown)), "api latest"); }
