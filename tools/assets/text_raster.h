// FreeType text rasterisation for the generators: glyph bitmaps for the font
// pictures, and whole strings drawn into coverage masks for the menu pictures.
//
// A FontLibrary owns the FreeType instance; each FontFace is one font file at
// one pixel size with an optional horizontal squeeze or stretch (used where a
// picture is drawn at a different aspect than it is stored). Rendering is
// anti-aliased 8-bit coverage. Nothing here draws colour.
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include <string>
#include <string_view>
#include <vector>

#include "mask.h"

namespace assets {

class FontLibrary {
public:
    FontLibrary();
    ~FontLibrary();
    FontLibrary(const FontLibrary&) = delete;
    FontLibrary& operator=(const FontLibrary&) = delete;
    FT_Library Handle() const { return library_; }

private:
    FT_Library library_ = nullptr;
};

// One rendered glyph: coverage rows, and where they sit relative to the pen
// (left: pixels right of the pen; top: pixels above the baseline).
struct GlyphBitmap {
    int left = 0, top = 0, width = 0, height = 0;
    float advance = 0.0f;  // pixels
    std::vector<unsigned char> coverage;
    float At(int x, int y) const { return coverage[static_cast<size_t>(y) * width + x] / 255.0f; }
};

class FontFace {
public:
    // Throws std::runtime_error when the file cannot be opened.
    FontFace(const FontLibrary& library, const std::string& path);
    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    // pixel_height: the em size in pixels; x_scale: horizontal factor applied
    // to every outline; hinted: light hinting for small, crisp sizes.
    void Set_Size(float pixel_height, float x_scale = 1.0f, bool hinted = false);

    // Renders one character with the pen at fractional x offset subpixel (0..1).
    GlyphBitmap Render(char32_t c, float subpixel = 0.0f);

    // Width of a string in pixels (sum of advances and kerning).
    float Measure(std::string_view text);
    // Ascender and descender of the face at the current size (pixels, the
    // descender negative).
    float Ascender() const;
    float Descender() const;

    // Draws text with its baseline starting at (x, baseline), adding its
    // coverage into the mask.
    void Draw(Mask& mask, float x, float baseline, std::string_view text);

private:
    float Kerning(char32_t left, char32_t right) const;
    FT_Face face_ = nullptr;
    float x_scale_ = 1.0f;
    bool hinted_ = false;
};

}  // namespace assets
