// Level texts: the three passes over any bytes, as a level file on disk
// would give them (folded first, as the reader does).
#include "fuzz_input.h"
#include "level/level_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  GameState& g = Fuzz_Field();
  const std::string text = Fold_Level_Text(Input_Text(data, size));
  g.BrickCount = g.DiscCount = g.ForceFieldCount = 0;
  Parse_Objects_Text(g, text);
  Parse_Goals_Text(g, text);
  Parse_Points_Text(g, text);
  return 0;
}
