// The fixed font: "font_old.png", an 8 x 8 grid of equal cells holding the
// upper-case letters, digits and a little punctuation, used for the in-play
// read-outs (aim angle, clock, "Level Complete").
//
// The game draws each cell 1 wide and 4/3 tall and advances 0.65 of a cell per
// character, so neighbouring cells overlap. Glyphs are therefore stored
// stretched sideways (by 1.2, against the 4/3 of the cell, so they look
// slightly condensed once drawn) and kept inside the middle 0.65 of their
// cell so a neighbour never draws over them. Each glyph
// has a soft dark rim so the white read-outs stay legible over the bright play
// field. The blank, every character outside the table, and the unused cells
// are empty.
#pragma once

#include <string>

#include "image.h"
#include "text_raster.h"

namespace assets {

// The cell order, row by row from the top, 8 per row; ' ' marks a cell that
// stays empty (row 4, column 4 is the cell of every character not listed).
constexpr const char* kFixedFontCells =
    "ABCDEFGH"
    "IJKLMNOP"
    "QRSTUVWX"
    "YZ012345"
    "6789 :.-"
    "()@_/<=>"
    ",?'\"!   "
    "        ";

Image Build_Font_Grid(const FontLibrary& library, const std::string& mono_bold_path);

}  // namespace assets
