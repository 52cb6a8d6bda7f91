#include "scores/score_file.h"

#include <cstdio>

#include "engine/text_scan.h"
#include "game/events.h"

std::string Score_Header(const std::string& name, float seconds) {
  char numbers[64];
  std::snprintf(numbers, sizeof numbers, "%.2f ", kScoreFileVersion);
  std::string out = numbers;
  out += name;
  std::snprintf(numbers, sizeof numbers, " %f ", seconds);
  return out + numbers;
}

std::string Score_Trailer(const std::string& name, float seconds) {
  const auto& m = Trailer_Multipliers();
  float p[kTrailerMultiplierCount];
  for (int i = 0; i < kTrailerMultiplierCount; ++i) p[i] = m[static_cast<size_t>(i)] * seconds;  // single precision
  const int length = static_cast<int>(name.size());
  const int check = name.empty() ? 0 : static_cast<unsigned char>(name.back()) + length;
  char buf[512];
  std::snprintf(buf, sizeof buf, "%f %f %f %f %f %i %i %f %f %f %f %f %f", p[0], p[1], p[2], p[3], p[4], length, check,
                p[5], p[6], p[7], p[8], p[9], p[10]);
  return buf;
}

std::string Score_File_Text(const std::string& recording, const std::string& name, float seconds) {
  std::string out = Score_Header(name, seconds);
  out.reserve(recording.size() + 256);
  TextCursor cursor(recording);
  std::string token;
  while (cursor.Word(token, kReplayTokenChars) == ScanResult::Ok) {
    out += token;
    out += ' ';
  }
  char end[64];
  std::snprintf(end, sizeof end, "%f %i ", seconds, EVENT_REPLAY_END);
  out += end;
  out += Score_Trailer(name, seconds);
  return out;
}
