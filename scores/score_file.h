// Score files: a finished recording wrapped as the high-score record of a
// place and the replay of that run, all on one line:
//
//   "1.03 NAME TIME "             the header (version, player, seconds)
//   the recording's tokens         each written back as "%s "
//   "TIME 6 "                      the end event
//   the verification trailer       13 numbers, no blank after the last
//
// The trailer (five products of the time with fixed multipliers, the
// name's length L, its last character's code plus L, six more products) is
// for the game's web service; readers of the file never use it. The
// multipliers live in scores/trailer_multipliers.txt, which the service
// reads too.
#pragma once

#include <array>
#include <string>

inline constexpr float kScoreFileVersion = 1.03f;
inline constexpr int kTrailerMultiplierCount = 11;
inline constexpr size_t kReplayTokenChars = 20;  // tokens are read this far at a time

const std::array<float, kTrailerMultiplierCount>& Trailer_Multipliers();

std::string Score_Header(const std::string& name, float seconds);
std::string Score_Trailer(const std::string& name, float seconds);
// The whole score file for a recording's text.
std::string Score_File_Text(const std::string& recording, const std::string& name, float seconds);
