#include "service/protocol_words.h"

#include <charconv>
#include <set>
#include <vector>

#include "scores/score_table.h"
#include "service/base64.h"

namespace {

constexpr size_t kMaxOsLength = 64;
constexpr size_t kMaxTimestampDigits = 12;

bool Is_Digit(char c) { return c >= '0' && c <= '9'; }
bool Is_Alnum(char c) { return Is_Digit(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool All_Digits(std::string_view s) {
  if (s.empty()) return false;
  for (const char c : s) {
    if (!Is_Digit(c)) return false;
  }
  return true;
}

// An operating-system word such as Linux_6.1.0.
bool Valid_Os(std::string_view os) {
  if (os.empty() || os.size() > kMaxOsLength) return false;
  for (const char c : os) {
    if (!Is_Alnum(c) && c != '_' && c != '.' && c != '-') return false;
  }
  return true;
}

// "%.2f" of the game's version, such as 1.03.
bool Valid_Version(std::string_view v) {
  const size_t point = v.find('.');
  return point != std::string_view::npos && point > 0 && point <= 3 && v.size() - point == 3 &&
         All_Digits(v.substr(0, point)) && All_Digits(v.substr(point + 1));
}

// The query must hold exactly these keys, each once: the game sends
// nothing else, so anything else is not the game.
bool Exactly(const QueryParams& query, const std::set<std::string>& keys, std::string& why) {
  for (const auto& [key, value] : query) {
    if (keys.count(key) == 0) {
      why = "unexpected parameter";
      return false;
    }
    if (query.count(key) > 1) {
      why = "parameter " + key + " given more than once";
      return false;
    }
  }
  for (const std::string& key : keys) {
    if (query.count(key) == 0) {
      why = "missing parameter " + key;
      return false;
    }
  }
  return true;
}

const std::string& Value(const QueryParams& query, const std::string& key) { return query.find(key)->second; }

}  // namespace

bool Valid_Name(std::string_view name) {
  if (name.empty() || name.size() > static_cast<size_t>(kMaxScoreName)) return false;
  for (const char c : name) {
    if (!Is_Alnum(c)) return false;
  }
  return true;
}

bool Parse_Level(std::string_view text, int& level) {
  if (!All_Digits(text) || text.size() > 3) return false;
  std::from_chars(text.data(), text.data() + text.size(), level);
  return level >= kFirstScoreLevel && level <= kLastScoreLevel;
}

bool Valid_Time_Text(std::string_view text) {
  const size_t point = text.find('.');
  if (point == std::string_view::npos || point == 0 || point > 4 || text.size() - point != 7) return false;
  if (!All_Digits(text.substr(0, point)) || !All_Digits(text.substr(point + 1))) return false;
  if (point > 1 && text[0] == '0') return false;  // "%f" writes no leading zeros
  return text.find_first_not_of("0.") != std::string_view::npos;  // above 0; four digits keep it below 10000
}

Access Access_Of(const QueryParams& query) {
  if (query.count("access") != 1) return Access::Unknown;
  const std::string& access = Value(query, "access");
  if (access == "replay_upload_information") return Access::Information;
  if (access == "replay_upload_confirmation") return Access::Confirmation;
  return Access::Unknown;
}

bool Read_Information(const QueryParams& query, Ticket& out, std::string& why) {
  if (!Exactly(query, {"access", "level", "highscore", "username", "os", "version"}, why)) return false;
  if (!Parse_Level(Value(query, "level"), out.level)) {
    why = "level out of range";
    return false;
  }
  out.time_text = Value(query, "highscore");
  out.name = Value(query, "username");
  out.os = Value(query, "os");
  out.version = Value(query, "version");
  if (!Valid_Time_Text(out.time_text)) why = "time out of range or not as the game prints it";
  else if (!Valid_Name(out.name)) why = "name is not 1..15 letters and digits";
  else if (!Valid_Os(out.os)) why = "os is not one word";
  else if (!Valid_Version(out.version)) why = "version is not as the game prints it";
  return why.empty();
}

bool Read_Confirmation(const QueryParams& query, ConfirmationRequest& out, std::string& why) {
  if (!Exactly(query, {"access", "username", "timestamp_gmt"}, why)) return false;
  out.name = Value(query, "username");
  const std::string& stamp = Value(query, "timestamp_gmt");
  if (!Valid_Name(out.name)) {
    why = "name is not 1..15 letters and digits";
    return false;
  }
  if (!All_Digits(stamp) || stamp.size() > kMaxTimestampDigits) {
    why = "timestamp is not a number";
    return false;
  }
  std::from_chars(stamp.data(), stamp.data() + stamp.size(), out.timestamp);
  return true;
}

bool Read_Upload(std::string_view body, UploadedFile& out, std::string& why) {
  const size_t blank = body.find(' ');
  if (blank == std::string_view::npos) {
    why = "no blank between the upload name and the file";
    return false;
  }
  const std::string_view name = body.substr(0, blank);
  // "%.3i_%f_%s": the name may hold no '_', so the parts split cleanly.
  const size_t first = name.find('_');
  const size_t second = first == std::string_view::npos ? first : name.find('_', first + 1);
  if (second == std::string_view::npos || first != 3 || !Parse_Level(name.substr(0, first), out.level)) {
    why = "upload name is not LLL_TIME_NAME with a level that has scores";
    return false;
  }
  out.time_text = std::string(name.substr(first + 1, second - first - 1));
  out.name = std::string(name.substr(second + 1));
  if (!Valid_Time_Text(out.time_text)) {
    why = "upload time out of range or not as the game prints it";
    return false;
  }
  if (!Valid_Name(out.name)) {
    why = "upload name's player is not 1..15 letters and digits";
    return false;
  }
  if (!Base64_Decode(body.substr(blank + 1), out.file)) {
    why = "the file is not canonical Base64";
    return false;
  }
  return true;
}
