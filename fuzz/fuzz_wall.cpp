// Wall files.
#include "fuzz_input.h"
#include "level/wall_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  GameState& g = Fuzz_Field();
  g.WallCount = 0;
  Parse_Wall_Text(g, Input_Text(data, size));
  return 0;
}
