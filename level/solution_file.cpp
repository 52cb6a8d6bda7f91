#include "level/solution_file.h"

#include <cstdio>
#include <sstream>

bool Parse_Solution(const std::string& text, std::vector<Shot>& shots, std::string& error) {
  shots.clear();
  std::istringstream in(text);
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    const size_t hash = line.find('#');
    if (hash != std::string::npos) line.erase(hash);
    std::istringstream words(line);
    std::string at, fire, extra;
    Shot s;
    if (!(words >> at)) continue;  // blank line
    if (at != "at" || !(words >> s.at) || !(words >> fire) || fire != "fire" || !(words >> s.angle) ||
        (words >> extra)) {
      error = "line " + std::to_string(number) + ": expected 'at SECONDS fire DEGREES'";
      return false;
    }
    if (s.angle < 20 || s.angle > 160 || !(s.at >= 0.0f)) {
      error = "line " + std::to_string(number) + ": angle must be 20..160 and time >= 0";
      return false;
    }
    shots.push_back(s);
  }
  return true;
}

std::string Format_Solution(const std::vector<Shot>& shots, const std::string& comment) {
  std::string out = comment.empty() ? "" : "# " + comment + "\n";
  char line[64];
  for (const Shot& s : shots) {
    std::snprintf(line, sizeof line, "at %.2f fire %d\n", s.at, s.angle);
    out += line;
  }
  return out;
}
