// The menu's word pictures.
#include "menu_text.h"

#include <stdexcept>

#include "shapes.h"

namespace assets {

namespace {

constexpr int kWidth = 512, kHeight = 64;  // pixels
constexpr float kLeftMargin = 6.0f;        // pixels before the first letter

struct Layout {
    float em;        // pixels
    float squeeze;   // horizontal factor
    float baseline;  // row
};

Layout Layout_For(MenuTextKind kind) {
    // On-screen aspect / stored aspect: 24.2 / 3.0002716 / 8 and 19.5 / 2.2502036 / 8.
    if (kind == MenuTextKind::Button) return {52.0f, 8.0f / (24.2f / 3.0002716f), 53.0f};
    return {47.0f, 8.0f / (19.5f / 2.2502036f), 48.0f};
}

}  // namespace

Image Build_Menu_Text(const FontLibrary& library, const std::string& bold_font_path, const std::string& words,
                      MenuTextKind kind) {
    const Layout layout = Layout_For(kind);
    FontFace face(library, bold_font_path);
    face.Set_Size(layout.em, layout.squeeze, false);
    if (kLeftMargin + face.Measure(words) > kWidth - 8) throw std::runtime_error("menu text too wide: " + words);

    Mask letters(kWidth, kHeight);
    face.Draw(letters, kLeftMargin, layout.baseline, words);
    const Mask edge = letters.Dilated(1.4f);

    Image picture(kWidth, kHeight);
    picture.Draw(edge.Blurred(2.2f).Shifted(2, 3), Color{0, 0, 0.02f, 0.75f});
    picture.Draw(edge, Color{0.06f, 0.07f, 0.12f, 0.9f});
    const float top = layout.baseline - layout.em * 0.75f;
    picture.Draw(letters, [&](float, float y) {
        // Bright upper half, cooler lower half, with a faint horizon line at
        // the middle like polished metal.
        const float t = Smoothstep(top, layout.baseline, y);
        Color c = Mix({1.0f, 1.0f, 1.0f, 1}, {0.72f, 0.80f, 0.92f, 1}, t);
        if (t > 0.48f && t < 0.56f) c = Mix(c, {0.86f, 0.90f, 0.98f, 1}, 0.5f);
        return c;
    });
    return picture;
}

}  // namespace assets
