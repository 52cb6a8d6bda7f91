// The start-up picture.
#include "start_picture.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "palette.h"
#include "shapes.h"

namespace assets {

namespace {

constexpr int kSize = 512;                      // pixels, both ways
constexpr float kScreenAspect = 16.0f / 15.0f;  // width / height of the game window
constexpr float kDesignWidth = kSize * kScreenAspect;
constexpr float kTitleEm = 112.0f;              // pixels
constexpr float kTitleBaseline = 446.0f;        // row
constexpr int kFacetRows = 3;                   // the crystal is cut into 3 x 3 triangles

// Shapes are laid out in screen proportions: the picture column x shows the
// design point x * kScreenAspect.
V2 Design(float x, float y) { return {x * kScreenAspect, y}; }

template <typename F>
Distance In_Design(F f) {
    return [f](float x, float y) { return f(Design(x, y)); };
}

// The picture pixels around a set of design points, with a margin (pixels).
Region Around(const std::vector<V2>& points, int margin) {
    float x0 = 1e9f, y0 = 1e9f, x1 = -1e9f, y1 = -1e9f;
    for (const V2& p : points) {
        x0 = std::min(x0, p.x / kScreenAspect), x1 = std::max(x1, p.x / kScreenAspect);
        y0 = std::min(y0, p.y), y1 = std::max(y1, p.y);
    }
    return {static_cast<int>(x0) - margin, static_cast<int>(y0) - margin, static_cast<int>(x1) + margin + 1,
            static_cast<int>(y1) + margin + 1};
}

struct Facet {
    std::vector<V2> corners;
    Color colour;
};

// The crystal: an upright triangle cut into nine. It is the game's mixing
// chart: the three primaries at the corners (red top, blue left, yellow
// right), the colour each pair mixes to on the edge between them, and clear
// glass in the three inner facets.
std::vector<Facet> Crystal(V2 apex, float side) {
    const Color red = kSpectrum[0], orange = kSpectrum[1], yellow = kSpectrum[2], green = kSpectrum[3],
                blue = kSpectrum[4], purple = kSpectrum[5], glass{0.90f, 0.93f, 1.0f, 1};
    // Row by row from the apex, left to right, upright and inverted facets alternating.
    const Color colours[kFacetRows * kFacetRows] = {red, purple, glass, orange, blue, glass, green, glass, yellow};
    const float height = side * 0.8660254f, step = side / kFacetRows, row_height = height / kFacetRows;
    auto corner = [&](int row, int index) {  // index-th lattice point of a row
        return V2{apex.x - step * 0.5f * row + step * index, apex.y + row_height * row};
    };
    std::vector<Facet> facets;
    for (int row = 0; row < kFacetRows; ++row)
        for (int i = 0; i <= row; ++i) {
            facets.push_back({{corner(row, i), corner(row + 1, i + 1), corner(row + 1, i)}, colours[facets.size()]});
            if (i < row) facets.push_back({{corner(row, i), corner(row, i + 1), corner(row + 1, i + 1)}, colours[facets.size()]});
        }
    return facets;
}

}  // namespace

Image Build_Start_Picture(const FontLibrary& library, const std::string& bold_font_path) {
    Image picture(kSize, kSize);
    picture.Clear({0, 0, 0, 1});
    const Mask everywhere = Mask::From_Distance(kSize, kSize, [](float, float) { return -1.0f; });

    // Night-blue glow with a faint triangle lattice, both fading out to
    // black well before the border, so the picture has no visible edge.
    const V2 glow_centre{kDesignWidth * 0.5f, 220.0f};
    auto glow = [&](float x, float y) {
        const V2 d = Design(x, y) - glow_centre;
        const float border = Length({(x - kSize * 0.5f) / (kSize * 0.5f), (y - kSize * 0.5f) / (kSize * 0.5f)});
        return std::exp(-Dot(d, d) / (2 * 170.0f * 170.0f)) * (1.0f - Smoothstep(0.55f, 1.0f, border));
    };
    picture.Add_Light(everywhere, [&](float x, float y) { return With_Alpha(kDeepIndigo, 1.7f * glow(x, y)); });
    picture.Add_Light(everywhere, [&](float x, float y) {
        constexpr float side = 64.0f, spacing = side * 0.8660254f;
        const V2 p = Design(x, y) - glow_centre;
        const V2 normals[3] = {{0.0f, 1.0f}, {0.8660254f, 0.5f}, {-0.8660254f, 0.5f}};
        float nearest = spacing;
        for (const V2& n : normals) {
            const float t = Dot(p, n) / spacing;
            nearest = std::min(nearest, std::fabs(t - std::round(t)) * spacing);
        }
        const float line = 1.0f - Smoothstep(0.3f, 1.4f, nearest);
        return Color{0.35f, 0.40f, 0.85f, 0.35f * line * glow(x, y)};
    });

    // The crystal: a coloured halo, then the facets with bevelled edges and
    // dark seams between them, then a glassy sheen over the upper left.
    const V2 apex{kDesignWidth * 0.5f, 44.0f};
    const float side = 270.0f;
    const std::vector<Facet> facets = Crystal(apex, side);
    const std::vector<V2> outline{apex, {apex.x + side * 0.5f, apex.y + side * 0.8660254f}, {apex.x - side * 0.5f, apex.y + side * 0.8660254f}};
    const auto crystal = [&outline](V2 p) { return Sd_Polygon(p, outline); };

    Image halo(kSize, kSize);
    for (const Facet& f : facets)
        halo.Draw(Mask::From_Distance(kSize, kSize, In_Design([&f](V2 p) { return Sd_Polygon(p, f.corners); }), 1.0f,
                                      Around(f.corners, 2)),
                  f.colour);
    const Mask halo_shape =
        Mask::From_Distance(kSize, kSize, In_Design([&](V2 p) { return crystal(p) - 4.0f; }), 1.0f, Around(outline, 8)).Blurred(16.0f);
    picture.Add_Light(halo_shape, [&](float x, float y) {
        // The halo takes the colour of the nearest facet edge by smearing the facets.
        const int px = std::clamp(static_cast<int>(x), 0, kSize - 1), py = std::clamp(static_cast<int>(y), 0, kSize - 1);
        const Color c = halo.Get(px, py);
        return c.a > 0 ? With_Alpha(c, 0.8f) : Color{0.55f, 0.55f, 0.9f, 0.6f};
    });
    picture.Draw(Mask::From_Distance(kSize, kSize, In_Design([&](V2 p) { return crystal(p) - 2.0f; }), 1.0f, Around(outline, 4)),
                 Color{0.02f, 0.02f, 0.06f, 1});
    for (const Facet& f : facets) {
        const auto facet = [&f](V2 p) { return Sd_Polygon(p, f.corners) + 2.0f; };  // inset: the seams
        Image layer(kSize, kSize);
        layer.Draw(Mask::From_Distance(kSize, kSize, In_Design(facet), 1.0f, Around(f.corners, 2)), [&](float x, float y) {
            // Lighter towards the crystal's upper left, like a lit gem.
            const V2 p = Design(x, y);
            const float t = Smoothstep(apex.y, apex.y + side * 0.8660254f, p.y + (p.x - apex.x) * 0.4f);
            return Mix(Mix(f.colour, {1, 1, 1, 1}, 0.28f), Mix(f.colour, {0, 0, 0, 1}, 0.25f), t);
        });
        const auto facet_xy = [&facet](float x, float y) { return facet({x, y}); };
        layer.Shade([&](float x, float y) { return Bevel_Light(facet_xy, Design(x, y), 12.0f, 1.0f); });
        picture.Draw(layer);
    }
    const auto sheen = [&](V2 p) {
        return std::max(crystal(p) + 8.0f, Sd_Segment(p, apex + V2{-30, 70}, apex + V2{-90, 175}) - 10.0f);
    };
    picture.Draw(Mask::From_Distance(kSize, kSize, In_Design(sheen), 8.0f, Around(outline, 8)), Color{1, 1, 1, 0.30f});

    // The name, with a soft spectrum glow behind its letters.
    FontFace face(library, bold_font_path);
    face.Set_Size(kTitleEm, 1.0f / kScreenAspect, false);
    const std::string name = "Prismel";
    Mask letters(kSize, kSize);
    face.Draw(letters, (kSize - face.Measure(name)) * 0.5f, kTitleBaseline, name);
    picture.Add_Light(letters.Dilated(3.0f).Blurred(9.0f), [&](float x, float) { return With_Alpha(Spectrum(x / kSize), 0.8f); });
    const float cap_top = kTitleBaseline - kTitleEm * 0.73f;
    picture.Draw(letters.Dilated(1.5f), Color{0.04f, 0.04f, 0.12f, 1});
    picture.Draw(letters, Linear_Gradient(0, cap_top, {1, 1, 1, 1}, 0, kTitleBaseline, {0.78f, 0.80f, 0.98f, 1}));

    // The outermost pixels fade to black, so filtering at the quad's edge
    // never shows a seam.
    picture.Shade([](float x, float y) {
        const float edge = std::min({x, y, kSize - x, kSize - y});
        return Smoothstep(0.0f, 10.0f, edge);
    });
    return picture;
}

}  // namespace assets
