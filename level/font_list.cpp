#include "level/font_list.h"

#include <cctype>
#include <cstring>

#include "engine/text_scan.h"

void Parse_Font_List(std::string_view text, GlyphTable& glyphs) {
  TextCursor cur(text);
  for (;;) {
    int v[5];
    for (int& x : v) {
      if (cur.Int(x) != ScanResult::Ok) return;
    }
    if (static_cast<unsigned>(v[0]) > 127u) continue;
    glyphs[static_cast<size_t>(v[0])] = {static_cast<float>(v[1]), static_cast<float>(v[2]),
                                         static_cast<float>(v[3]), static_cast<float>(v[4])};
  }
}

void Glyph_Cell(char c, float& u, float& v) {
  // Row by row, eight cells each; '\x01' marks the cell of every other
  // character and '\0' cells that hold nothing.
  static const char kGrid[] =
      "ABCDEFGH"
      "IJKLMNOP"
      "QRSTUVWX"
      "YZ012345"
      "6789\x01:.-"
      "()@_/<=>"
      ",?'\"!";
  const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  int index = 4 * 8 + 4;
  if (upper != '\0' && upper != '\x01') {
    const char* at = std::strchr(kGrid, upper);
    if (at != nullptr) index = static_cast<int>(at - kGrid);
  }
  u = static_cast<float>(index % 8) / 8.0f;
  v = 1.0f - static_cast<float>(index / 8) / 8.0f;
}
