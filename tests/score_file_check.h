// Reads a score file back the way the web service takes it apart: one line
// of tokens, each followed by exactly one blank except the last, made of
// the header, the recording, the end event and the 13-number trailer.
#pragma once

#include <cstdlib>
#include <string>
#include <vector>

struct ScoreFileParts {
  std::string why;  // empty when the text is a whole score file
  std::string name;
  std::string time;                  // as the header wrote it
  std::vector<std::string> events;   // the recording's tokens, its first event included
  std::vector<std::string> trailer;  // the 13 numbers
};

inline bool Is_Number(const std::string& s) {
  if (s.empty()) return false;
  char* end = nullptr;
  std::strtod(s.c_str(), &end);
  return *end == '\0';
}

inline ScoreFileParts Split_Score_File(const std::string& text) {
  ScoreFileParts p;
  auto fail = [&p](const std::string& why) {
    p.why = why;
    return p;
  };
  if (text.find_first_of("\n\r\t") != std::string::npos) return fail("not one line of blank-separated tokens");
  if (text.empty() || text.back() == ' ') return fail("missing trailer, or a blank after it");
  std::vector<std::string> tokens;
  size_t at = 0;
  while (at <= text.size()) {
    const size_t blank = text.find(' ', at);
    const size_t stop = blank == std::string::npos ? text.size() : blank;
    if (stop == at) return fail("two blanks in a row");
    tokens.push_back(text.substr(at, stop - at));
    at = stop + 1;
  }
  constexpr size_t kTrailer = 13;
  // header 3, first event 3, end event 2, trailer
  if (tokens.size() < 3 + 3 + 2 + kTrailer) return fail("too few tokens");
  if (tokens[0] != "1.03") return fail("version [" + tokens[0] + "]");
  p.name = tokens[1];
  p.time = tokens[2];
  if (!Is_Number(p.time)) return fail("header time [" + p.time + "]");
  if (tokens[3] != "0.000" || tokens[4] != "4") return fail("no shooter colour at 0 as the first event");
  const size_t trailer_at = tokens.size() - kTrailer;
  for (size_t i = trailer_at; i < tokens.size(); ++i) {
    if (!Is_Number(tokens[i])) return fail("trailer token [" + tokens[i] + "]");
  }
  if (tokens[trailer_at - 1] != "6" || tokens[trailer_at - 2] != p.time) {
    return fail("no end event \"" + p.time + " 6\" before the trailer");
  }
  p.events.assign(tokens.begin() + 3, tokens.begin() + static_cast<long>(trailer_at - 2));
  p.trailer.assign(tokens.begin() + static_cast<long>(trailer_at), tokens.end());
  return p;
}
