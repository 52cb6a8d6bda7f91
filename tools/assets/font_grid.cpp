// Rasterisation of the fixed-cell font picture.
#include "font_grid.h"

#include <cmath>

namespace assets {

namespace {

constexpr int kCell = 32;               // pixels per cell, both ways (256 / 8)
constexpr float kEmPixels = 23.0f;      // vertical em size of the glyphs
constexpr float kSideStretch = 1.2f;    // nearly undoes the 4/3 tall cells (a little condensed)
constexpr int kBaselineRow = 24;        // baseline, rows from the cell's top
constexpr float kRimPixels = 1.4f;      // width of the dark rim

}  // namespace

Image Build_Font_Grid(const FontLibrary& library, const std::string& mono_bold_path) {
    FontFace face(library, mono_bold_path);
    face.Set_Size(kEmPixels, kSideStretch, false);

    Mask ink(256, 256);
    for (int cell = 0; cell < 64; ++cell) {
        const char c = kFixedFontCells[cell];
        if (c == ' ') continue;
        const int cx = (cell % 8) * kCell, cy = (cell / 8) * kCell;
        const float width = face.Measure(std::string(1, c));
        // Centre the advance box in the cell; the ink of a monospaced face is
        // centred in its advance.
        face.Draw(ink, cx + (kCell - width) * 0.5f, static_cast<float>(cy + kBaselineRow), std::string(1, c));
    }
    Image picture(256, 256);
    picture.Draw(ink.Dilated(kRimPixels), Color{0.03f, 0.03f, 0.08f, 0.85f});
    picture.Draw(ink, Color{1, 1, 1, 1});
    return picture;
}

}  // namespace assets
