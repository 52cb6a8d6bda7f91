// The proportional font: "font_new.png" (256 x 256) and its glyph list
// "font_list.txt".
//
// The game draws a glyph as the rectangle listed for it, stretched to the
// text size, and adds a fixed gap after every glyph (0.12 of the size, which
// is 3.072 picture pixels). It centres every glyph vertically on the line,
// so all rectangles here share one line box: the baseline sits at the same
// row of every rectangle and glyphs line up. Rectangle widths are the
// font's advance minus that fixed gap, so the game's layout reproduces the
// font's own spacing.
//
// This module lays out and rasterises; it does not write files.
#pragma once

#include <string>
#include <vector>

#include "image.h"
#include "text_raster.h"

namespace assets {

// One record of the glyph list: columns left..right and rows top..bottom
// (inclusive, rows counted from the top of the picture).
struct AtlasGlyph {
    int code = 0, left = 0, right = 0, bottom = 0, top = 0;
};

struct FontAtlas {
    Image picture{256, 256};
    std::vector<AtlasGlyph> glyphs;
};

// Em size (pixels) at which the font is rasterised. Chosen so that a line of
// tutorial text at size 1.8 spans the width the game's layout expects (its
// colour symbols sit under the colour words).
constexpr float kAtlasEmPixels = 26.0f;

// Builds the atlas for the printable ASCII characters 32..126 from a
// proportional font file. Throws std::runtime_error if they do not fit.
FontAtlas Build_Font_Atlas(const FontLibrary& library, const std::string& font_path);

// The glyph list in the game's format: "code left right bottom top" per line.
std::string Font_List_Text(const std::vector<AtlasGlyph>& glyphs);

}  // namespace assets
