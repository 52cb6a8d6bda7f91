// Score files: the header a table reads, and the whole file played back on
// level 1 until it ends (a replay must end, whatever the file says).
#include "fuzz_input.h"
#include "scores/replay_player.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  GameState& g = Fuzz_Field();
  g.Events = nullptr;
  g.LevelStatus = LEVEL_WAITING;
  Load_Level(g, 1);
  ReplayPlayer player;
  if (!player.Open_Text(Input_Text(data, size), g)) return 0;
  // Ten thousand seconds is the longest run a score file may claim (and
  // float clocks drift): a file still playing after 15000 s is a finding.
  for (int frame = 0; frame < 900000; ++frame) {
    if (player.Step(g, 1.0f / 60.0f) == ReplayStep::ENDED) return 0;
    ReplayPlayer::Move_Discs(g, 1.0f / 60.0f);
  }
  __builtin_trap();
}
