// The replay event format: one line of blank-separated tokens, each event
// "TIME TYPE PAYLOAD " with the level time printed to milliseconds, and
// colours as a single code.
//
//   0 BrickRemoved  "%.3f 0 INDEX "
//   1 DiscCreated   "%.3f 1 ISRING X Y VX VY CODE "   (positions, speeds %.2f)
//   2 DiscRemoved   "%.3f 2 INDEX "
//   3 DiscState     "%.3f 3 INDEX X Y VX VY "
//   4 ShooterColor  "%.3f 4 CODE "
//   5 ShooterAngle  "%.3f 5 DEGREES "
//   6 ReplayEnd     "%f 6 "                          (only in score files)
#pragma once

#include <string>

#include "game/colors.h"
#include "game/events.h"

// Colours travel as Color_Code (game/colors.h). Reading one back from a
// file: false, leaving out unchanged, for a code outside 0..8.
bool Code_Color(int code, Color& out);

// One event as the recording writes it, with its trailing blank.
std::string Format_Replay_Event(const ReplayEvent& e);
// The first event of every recording: the shooter's colour at time 0.
std::string First_Replay_Event(const Color& shooter);
