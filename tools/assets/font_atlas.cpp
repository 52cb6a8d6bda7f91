// Layout and rasterisation of the proportional font picture.
#include "font_atlas.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <stdexcept>

namespace assets {

namespace {

constexpr int kPictureSize = 256;          // pixels, both ways
constexpr float kGameGapPixels = 3.072f;   // the gap the game adds after each glyph
constexpr int kGap = 2;                    // empty pixels between rectangles, against filtering bleed
constexpr int kLinePad = 1;                // empty rows above and below the tallest ink

}  // namespace

FontAtlas Build_Font_Atlas(const FontLibrary& library, const std::string& font_path) {
    FontFace face(library, font_path);
    face.Set_Size(kAtlasEmPixels, 1.0f, true);

    std::vector<GlyphBitmap> bitmaps;
    int ascent = 0, descent = 0;
    for (int code = 32; code <= 126; ++code) {
        bitmaps.push_back(face.Render(static_cast<char32_t>(code)));
        const GlyphBitmap& g = bitmaps.back();
        if (g.width == 0) continue;
        ascent = std::max(ascent, g.top);
        descent = std::max(descent, g.height - g.top);
    }
    const int line = ascent + descent + 2 * kLinePad;

    FontAtlas atlas;
    Mask coverage(kPictureSize, kPictureSize);
    int x = kGap, y = kGap;
    for (int code = 32; code <= 126; ++code) {
        const GlyphBitmap& g = bitmaps[code - 32];
        const int advance_width = static_cast<int>(std::lround(g.advance - kGameGapPixels));
        const int width = std::max({advance_width, g.width, 1});
        // The ink keeps its left side bearing, less the half of the game's gap
        // that falls before it.
        const int ink_offset = std::clamp(g.left - 1, 0, width - g.width);
        if (x + width + kGap > kPictureSize) {
            x = kGap;
            y += line + kGap;
        }
        if (y + line + kGap > kPictureSize) throw std::runtime_error("font atlas: glyphs do not fit in 256 x 256");
        const int baseline = y + kLinePad + ascent;
        for (int gy = 0; gy < g.height; ++gy)
            for (int gx = 0; gx < g.width; ++gx) coverage.At(x + ink_offset + gx, baseline - g.top + gy) = g.At(gx, gy);
        atlas.glyphs.push_back({code, x, x + width - 1, y + line - 1, y});
        x += width + kGap;
    }
    // White everywhere: the game tints the text with its vertex colour.
    atlas.picture.Draw(coverage, Color{1, 1, 1, 1});
    return atlas;
}

std::string Font_List_Text(const std::vector<AtlasGlyph>& glyphs) {
    std::ostringstream out;
    for (const AtlasGlyph& g : glyphs) out << g.code << ' ' << g.left << ' ' << g.right << ' ' << g.bottom << ' ' << g.top << '\n';
    return out.str();
}

}  // namespace assets
