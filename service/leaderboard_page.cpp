#include "service/leaderboard_page.h"

#include <map>

#include "frontend/medals.h"
#include "service/display_text.h"
#include "service/page_frame.h"
#include "service/player_medal.h"
#include "service/protocol_words.h"

namespace {

std::string Level_Link(int level, const std::string& text) {
  return "<a href=\"/prismel/level/" + std::to_string(level) + "\">" + text + "</a>";
}

std::string Replay_Link(const ScoreRecord& r) {
  return "<a class=\"replay\" href=\"" + File_Link(r) + "\" download>replay &#8595;</a>";
}

std::string Medal_Badge(const PlayerStanding& p) {
  const std::string medal = Player_Medal(p);
  std::string css = medal;
  for (char& c : css) c = static_cast<char>(c | 0x20);  // "Gold" -> "gold"
  return "<span class=\"medal " + css + "\">" + medal + "</span>";
}

std::string Level_Grid(const std::vector<ScoreRecord>& best) {
  std::map<int, const ScoreRecord*> by_level;
  for (const ScoreRecord& r : best) by_level[r.level] = &r;
  std::string out = "<div class=\"levels\">\n";
  for (int level = kFirstScoreLevel; level <= kLastScoreLevel; ++level) {
    const auto it = by_level.find(level);
    const std::string number = "<div class=\"number\">" + Level_Link(level, "Level " + std::to_string(level)) + "</div>";
    if (it == by_level.end()) {
      out += "<div class=\"level empty\">" + number + "<div class=\"time\">&#8212;</div><div class=\"who\">"
             "<span>no time yet</span></div></div>\n";
      continue;
    }
    const ScoreRecord& r = *it->second;
    out += "<div class=\"level\">" + number + "<div class=\"time\">" + Seconds_Text(r.seconds) +
           "</div><div class=\"who\"><span>" + Html_Escape(r.name) + "</span>" + Replay_Link(r) + "</div></div>\n";
  }
  return out + "</div>\n";
}

std::string Standings_Table(const std::vector<PlayerStanding>& players, bool complete) {
  if (players.empty()) return "<p class=\"empty-table\">Nobody yet.</p>\n";
  std::string out = "<table>\n<tr><th>#</th><th>Player</th>";
  out += complete ? "" : "<th class=\"num\">Levels</th>";
  out += "<th class=\"num\">Total</th><th>Medal</th></tr>\n";
  int rank = 0;
  for (const PlayerStanding& p : players) {
    out += "<tr><td class=\"rank\">" + std::to_string(++rank) + "</td><td>" + Html_Escape(p.name) + "</td>";
    if (!complete) out += "<td class=\"num\">" + std::to_string(p.levels) + "</td>";
    out += "<td class=\"num\">" + Total_Text(p.total) + "</td><td>" + Medal_Badge(p) + "</td></tr>\n";
  }
  return out + "</table>\n";
}

std::string Latest_Table(const std::vector<ScoreRecord>& latest) {
  if (latest.empty()) return "<p class=\"empty-table\">No uploads yet.</p>\n";
  std::string out = "<table>\n<tr><th>When</th><th>Level</th><th>Player</th><th class=\"num\">Time</th><th></th></tr>\n";
  for (const ScoreRecord& r : latest) {
    out += "<tr><td>" + Date_Text(r.public_at) + "</td><td>" + Level_Link(r.level, std::to_string(r.level)) +
           "</td><td>" + Html_Escape(r.name) + "</td><td class=\"num\">" + Seconds_Text(r.seconds) + "</td><td>" +
           Replay_Link(r) + "</td></tr>\n";
  }
  return out + "</table>\n";
}

}  // namespace

std::string File_Link(const ScoreRecord& r) { return "/prismel/file/" + std::to_string(r.id); }

std::string Leaderboard_Page(const Leaderboard& board) {
  const int levels = kLastScoreLevel - kFirstScoreLevel + 1;
  const std::string gold = Total_Text(kGoldTimeLimit);
  std::string body;
  body += "<section>\n<h2>Best time of every level</h2>\n<p class=\"note\">Seconds from the start of the level to "
          "the moment its goals hold. Click a level for its table.</p>\n" +
          Level_Grid(board.best) + "</section>\n";
  body += "<div class=\"split\">\n<section>\n<h2>Players with all " + std::to_string(levels) +
          " levels</h2>\n<p class=\"note\">Ranked by the total of each player's best times. Gold: a total within " +
          gold + "; Silver: every level done.</p>\n" + Standings_Table(board.complete, true) + "</section>\n";
  body += "<section>\n<h2>Players on their way</h2>\n<p class=\"note\">Fewer than " + std::to_string(levels) +
          " levels: ranked by levels completed, then by the total of those. Bronze until every level is done.</p>\n" +
          Standings_Table(board.climbing, false) + "</section>\n</div>\n";
  body += "<section>\n<h2>Latest uploads</h2>\n" + Latest_Table(board.latest) + "</section>\n";
  return Html_Page("Prismel leaderboard", "High scores of all " + std::to_string(levels) + " levels", body);
}

std::string Level_Page(int level, const std::vector<ScoreRecord>& table) {
  std::string nav = "<p class=\"note\">";
  if (level > kFirstScoreLevel) nav += Level_Link(level - 1, "&#8592; Level " + std::to_string(level - 1)) + " &#160; ";
  if (level < kLastScoreLevel) nav += Level_Link(level + 1, "Level " + std::to_string(level + 1) + " &#8594;");
  nav += "</p>\n";
  std::string body = "<section>\n<h2>Level " + std::to_string(level) + "</h2>\n" + nav;
  if (table.empty()) {
    body += "<p class=\"empty-table\">No time on this level yet.</p>\n";
  } else {
    body += "<table>\n<tr><th>#</th><th>Player</th><th class=\"num\">Time</th><th>Uploaded</th><th></th></tr>\n";
    int rank = 0;
    for (const ScoreRecord& r : table) {
      body += "<tr><td class=\"rank\">" + std::to_string(++rank) + "</td><td>" + Html_Escape(r.name) +
              "</td><td class=\"num\">" + Seconds_Text(r.seconds) + "</td><td>" + Date_Text(r.public_at) +
              "</td><td>" + Replay_Link(r) + "</td></tr>\n";
    }
    body += "</table>\n";
  }
  body += "</section>\n";
  return Html_Page("Prismel level " + std::to_string(level), "Each player's best time on level " +
                   std::to_string(level), body);
}
