// FreeType text rasterisation.
#include "text_raster.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace assets {

FontLibrary::FontLibrary() {
    if (FT_Init_FreeType(&library_) != 0) throw std::runtime_error("FreeType could not start");
}

FontLibrary::~FontLibrary() { FT_Done_FreeType(library_); }

FontFace::FontFace(const FontLibrary& library, const std::string& path) {
    if (FT_New_Face(library.Handle(), path.c_str(), 0, &face_) != 0)
        throw std::runtime_error("cannot open font " + path);
}

FontFace::~FontFace() { FT_Done_Face(face_); }

void FontFace::Set_Size(float pixel_height, float x_scale, bool hinted) {
    // 26.6 fixed point: 64 units per pixel.
    FT_Set_Char_Size(face_, 0, static_cast<FT_F26Dot6>(std::lround(pixel_height * 64.0f)), 72, 72);
    x_scale_ = x_scale;
    hinted_ = hinted;
}

GlyphBitmap FontFace::Render(char32_t c, float subpixel) {
    FT_Matrix matrix{static_cast<FT_Fixed>(std::lround(x_scale_ * 65536.0f)), 0, 0, 0x10000};
    FT_Vector delta{static_cast<FT_Pos>(std::lround(subpixel * 64.0f)), 0};
    FT_Set_Transform(face_, &matrix, &delta);
    const FT_Int32 flags = FT_LOAD_RENDER | (hinted_ ? FT_LOAD_TARGET_LIGHT : FT_LOAD_NO_HINTING);
    GlyphBitmap out;
    if (FT_Load_Char(face_, c, flags) != 0) return out;
    const FT_GlyphSlot slot = face_->glyph;
    out.left = slot->bitmap_left;
    out.top = slot->bitmap_top;
    out.width = static_cast<int>(slot->bitmap.width);
    out.height = static_cast<int>(slot->bitmap.rows);
    out.advance = slot->advance.x / 64.0f;
    out.coverage.resize(static_cast<size_t>(out.width) * out.height);
    for (int y = 0; y < out.height; ++y)
        std::copy_n(slot->bitmap.buffer + y * slot->bitmap.pitch, out.width,
                    out.coverage.begin() + static_cast<ptrdiff_t>(y) * out.width);
    return out;
}

float FontFace::Kerning(char32_t left, char32_t right) const {
    if (!FT_HAS_KERNING(face_)) return 0.0f;
    FT_Vector k{};
    FT_Get_Kerning(face_, FT_Get_Char_Index(face_, left), FT_Get_Char_Index(face_, right), FT_KERNING_UNFITTED, &k);
    return k.x / 64.0f * x_scale_;
}

float FontFace::Measure(std::string_view text) {
    float x = 0.0f;
    for (size_t i = 0; i < text.size(); ++i) {
        const char32_t c = static_cast<unsigned char>(text[i]);
        x += Render(c).advance;
        if (i + 1 < text.size()) x += Kerning(c, static_cast<unsigned char>(text[i + 1]));
    }
    return x;
}

float FontFace::Ascender() const { return face_->size->metrics.ascender / 64.0f; }
float FontFace::Descender() const { return face_->size->metrics.descender / 64.0f; }

void FontFace::Draw(Mask& mask, float x, float baseline, std::string_view text) {
    for (size_t i = 0; i < text.size(); ++i) {
        const char32_t c = static_cast<unsigned char>(text[i]);
        const float pen = std::floor(x);
        const GlyphBitmap g = Render(c, x - pen);
        const int ox = static_cast<int>(pen) + g.left;
        const int oy = static_cast<int>(std::lround(baseline)) - g.top;
        for (int gy = 0; gy < g.height; ++gy)
            for (int gx = 0; gx < g.width; ++gx) {
                const int px = ox + gx, py = oy + gy;
                if (px < 0 || py < 0 || px >= mask.Width() || py >= mask.Height()) continue;
                mask.At(px, py) = std::min(1.0f, mask.At(px, py) + g.At(gx, gy));
            }
        x += g.advance;
        if (i + 1 < text.size()) x += Kerning(c, static_cast<unsigned char>(text[i + 1]));
    }
}

}  // namespace assets
