// The font list: glyph rectangles of the proportional font picture
// (256 x 256 pixels), one record of five integers per glyph:
// code left right bottom top, in pixels, rows counted from the top.
// Codes outside 0..127 are skipped; a later record for a code replaces an
// earlier one; reading ends at the end or at a word that is not a number.
#pragma once

#include <array>
#include <string_view>

struct Glyph {
  float left = 0, right = 0, bottom = 0, top = 0;
};

using GlyphTable = std::array<Glyph, 128>;

void Parse_Font_List(std::string_view text, GlyphTable& glyphs);

// The fixed 8 x 8 grid font: the cell of a character as its left texture
// coordinate u = column / 8 and top texture coordinate v = 1 - row / 8.
void Glyph_Cell(char c, float& u, float& v);
