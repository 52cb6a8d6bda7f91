// The font list.
#include "fuzz_input.h"
#include "level/font_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  GlyphTable glyphs{};
  Parse_Font_List(Input_Text(data, size), glyphs);
  return 0;
}
