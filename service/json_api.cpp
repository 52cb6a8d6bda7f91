#include "service/json_api.h"

#include <cstdio>

#include "service/display_text.h"
#include "service/leaderboard_page.h"
#include "service/player_medal.h"

namespace {

std::string Number(double v) {
  char buf[48];
  std::snprintf(buf, sizeof buf, "%.6f", v);
  return buf;
}

std::string Record(const ScoreRecord& r) {
  return "{\"id\":" + std::to_string(r.id) + ",\"level\":" + std::to_string(r.level) +
         ",\"name\":" + Json_String(r.name) + ",\"time\":" + Json_String(r.time_text) +
         ",\"seconds\":" + Number(r.seconds) + ",\"published\":" + Json_String(Iso_Date(r.public_at)) +
         ",\"file\":" + Json_String(File_Link(r)) + "}";
}

std::string Records(const std::vector<ScoreRecord>& list) {
  std::string out = "[";
  for (size_t i = 0; i < list.size(); ++i) out += (i ? "," : "") + Record(list[i]);
  return out + "]";
}

std::string Standings(const std::vector<PlayerStanding>& list) {
  std::string out = "[";
  for (size_t i = 0; i < list.size(); ++i) {
    const PlayerStanding& p = list[i];
    out += std::string(i ? "," : "") + "{\"rank\":" + std::to_string(i + 1) + ",\"name\":" + Json_String(p.name) +
           ",\"levels\":" + std::to_string(p.levels) + ",\"total\":" + Number(p.total) +
           ",\"medal\":" + Json_String(Player_Medal(p)) + "}";
  }
  return out + "]";
}

}  // namespace

std::string Json_String(std::string_view s) {
  std::string out = "\"";
  for (const char c : s) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        // '<', '>' and '&' too, so that the text stays inert if a page
        // ever embeds a document.
        if (static_cast<unsigned char>(c) < 0x20 || c == '<' || c == '>' || c == '&') {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", c);
          out += buf;
        } else {
          out += c;
        }
    }
  }
  return out + "\"";
}

std::string Levels_Json(const std::vector<ScoreRecord>& best) { return "{\"levels\":" + Records(best) + "}\n"; }

std::string Level_Json(int level, const std::vector<ScoreRecord>& table) {
  return "{\"level\":" + std::to_string(level) + ",\"scores\":" + Records(table) + "}\n";
}

std::string Players_Json(const std::vector<PlayerStanding>& complete, const std::vector<PlayerStanding>& climbing) {
  return "{\"ranked\":" + Standings(complete) + ",\"on_their_way\":" + Standings(climbing) + "}\n";
}

std::string Latest_Json(const std::vector<ScoreRecord>& latest) { return "{\"latest\":" + Records(latest) + "}\n"; }
