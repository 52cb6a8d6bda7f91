// prismel_icon_gen: the game's desktop icon, as PNG pictures for the icon
// theme's fixed sizes and as an SVG for the scalable slot.
//
//   prismel_icon_gen <out folder>
//
// writes icon_48.png, icon_128.png, icon_256.png and icon.svg. The design is
// the start picture's crystal (the colour-mixing chart: red, blue and yellow
// at the corners, their mixes on the edges, clear glass inside) laid over a
// disc ringed with the game's spectrum, on a night-blue tile. The PNGs and
// the SVG are drawn from the one layout below, so they stay the same picture;
// the PNGs add what SVG cannot say simply (bevel light, the glow). Every size
// is drawn at its own resolution, not scaled down, so edges stay sharp at 48 px.
// Exit code 0 on success, 1 on any failure (with a message on standard error).
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "image.h"
#include "palette.h"
#include "shapes.h"

namespace assets {

namespace {

// ---------------------------------------------------------------- the layout
// In units of the icon's side (0..1 both ways, y down).

// The tile: a rounded square with a small margin, as desktop icons have.
constexpr V2 kTileCentre{0.5f, 0.5f};
constexpr float kTileHalf = 0.445f;
constexpr float kTileCorner = 0.19f;
constexpr Color kTileTop{0.16f, 0.15f, 0.38f, 1};  // a lifted deep indigo
constexpr Color kTileBottom = kNightBlue;

// The disc behind the crystal, and its spectrum ring.
constexpr V2 kDiscCentre{0.5f, 0.535f};
constexpr float kDiscRadius = 0.315f;
constexpr float kRingWidth = 0.042f;
constexpr Color kDiscFill{0.09f, 0.10f, 0.26f, 1};

// The crystal: an upright equilateral triangle centred on the disc, its
// corners just past the ring.
constexpr float kCrystalReach = 0.37f;  // centre to corner
constexpr int kFacetRows = 3;
constexpr float kSeam = 0.014f;         // dark gap between facets
constexpr Color kSeamColour{0.02f, 0.02f, 0.06f, 1};
constexpr Color kGlass{0.90f, 0.93f, 1.0f, 1};

struct Facet {
    std::array<V2, 3> corners;
    Color colour;
};

std::array<V2, 3> Crystal_Outline() {
    const V2 c = kDiscCentre;
    const float r = kCrystalReach;
    return {V2{c.x, c.y - r}, V2{c.x + r * 0.8660254f, c.y + r * 0.5f}, V2{c.x - r * 0.8660254f, c.y + r * 0.5f}};
}

// The nine facets, row by row from the apex, left to right.
std::vector<Facet> Crystal_Facets() {
    const Color red = kSpectrum[0], orange = kSpectrum[1], yellow = kSpectrum[2], green = kSpectrum[3],
                blue = kSpectrum[4], purple = kSpectrum[5];
    const Color colours[kFacetRows * kFacetRows] = {red, purple, kGlass, orange, blue, kGlass, green, kGlass, yellow};
    const std::array<V2, 3> outline = Crystal_Outline();
    const V2 apex = outline[0];
    const float side = outline[1].x - outline[2].x, step = side / kFacetRows;
    const float row_height = (outline[1].y - apex.y) / kFacetRows;
    auto corner = [&](int row, int index) { return V2{apex.x - step * 0.5f * row + step * index, apex.y + row_height * row}; };
    std::vector<Facet> facets;
    for (int row = 0; row < kFacetRows; ++row)
        for (int i = 0; i <= row; ++i) {
            facets.push_back({{corner(row, i), corner(row + 1, i + 1), corner(row + 1, i)}, colours[facets.size()]});
            if (i < row)
                facets.push_back({{corner(row, i), corner(row, i + 1), corner(row + 1, i + 1)}, colours[facets.size()]});
        }
    return facets;
}

// An equilateral triangle shrunk towards its centre so that its edges move
// in by `by`: the facet as drawn, with half a seam on each side.
std::array<V2, 3> Inset(const std::array<V2, 3>& t, float by) {
    const V2 centre = (t[0] + t[1] + t[2]) * (1.0f / 3.0f);
    const float inradius = Length(t[1] - t[0]) / (2.0f * std::sqrt(3.0f));
    const float k = std::max(0.0f, (inradius - by) / inradius);
    std::array<V2, 3> out;
    for (int i = 0; i < 3; ++i) out[i] = centre + (t[i] - centre) * k;
    return out;
}

// A facet's light: brighter at its upper left, like a lit gem.
Color Facet_Light(const Color& c) { return Mix(c, {1, 1, 1, 1}, 0.30f); }
Color Facet_Shadow(const Color& c) { return Mix(c, {0, 0, 0, 1}, 0.22f); }

// ---------------------------------------------------------------- PNG

V2 Scaled(V2 p, float size) { return p * size; }

std::vector<V2> Scaled(const std::array<V2, 3>& t, float size) {
    return {Scaled(t[0], size), Scaled(t[1], size), Scaled(t[2], size)};
}

Image Build_Icon(int size) {
    const float s = static_cast<float>(size);
    Image icon(size, size);

    // The tile, with a soft drop shadow and a thin light edge along its top.
    const auto tile = [&](float x, float y) {
        return Sd_Box({x, y}, Scaled(kTileCentre, s), {kTileHalf * s, kTileHalf * s}, kTileCorner * s);
    };
    icon.Draw(Mask::From_Distance(size, size, tile).Blurred(s * 0.012f).Shifted(0, std::max(1, size / 64)),
              Color{0, 0, 0, 0.45f});
    const float tile_top = (kTileCentre.y - kTileHalf) * s, tile_bottom = (kTileCentre.y + kTileHalf) * s;
    icon.Draw(Mask::From_Distance(size, size, tile), Linear_Gradient(0, tile_top, kTileTop, 0, tile_bottom, kTileBottom));
    const float edge = std::max(0.8f, s * 0.008f);
    icon.Draw(Mask::From_Distance(size, size, [&](float x, float y) { return std::max(tile(x, y), -tile(x, y) - edge); }),
              Linear_Gradient(0, tile_top, {0.60f, 0.62f, 1.0f, 0.55f}, 0, tile_top + s * 0.3f, {0.60f, 0.62f, 1.0f, 0}));
    const Mask tile_mask = Mask::From_Distance(size, size, tile);

    // The disc and its ring: the spectrum around it, red at the top, going
    // round the way the facets run (through orange to yellow at the right).
    const V2 centre = Scaled(kDiscCentre, s);
    const auto ring_colour = [&](float x, float y) {
        float a = std::atan2(x - centre.x, -(y - centre.y)) / (2 * kPi);  // 0 at the top, clockwise
        if (a < 0) a += 1.0f;
        // Around and back: red..purple over the circle, then closing purple to red.
        return a < 5.0f / 6.0f ? Spectrum(a * 6.0f / 5.0f) : Mix(kSpectrum[5], kSpectrum[0], (a - 5.0f / 6.0f) * 6.0f);
    };
    const auto disc = [&](float x, float y) { return Sd_Circle({x, y}, centre, kDiscRadius * s); };
    const auto ring = [&](float x, float y) { return std::fabs(disc(x, y) + kRingWidth * s * 0.5f) - kRingWidth * s * 0.5f; };
    icon.Add_Light(Mask::From_Distance(size, size, ring).Blurred(s * 0.03f).Times(tile_mask),
                   [&](float x, float y) { return With_Alpha(ring_colour(x, y), 0.55f); });
    icon.Draw(Mask::From_Distance(size, size, disc), kDiscFill);
    Image ring_layer(size, size);
    ring_layer.Draw(Mask::From_Distance(size, size, ring), ring_colour);
    ring_layer.Shade([&](float x, float y) { return Bevel_Light(ring, {x, y}, kRingWidth * s * 0.5f, 0.8f); });
    icon.Draw(ring_layer);

    // The crystal: its glow on the disc, the dark body that shows as seams,
    // the facets, and a sheen over the upper left.
    const std::vector<V2> outline = Scaled(Crystal_Outline(), s);
    const auto crystal = [&](float x, float y) { return Sd_Polygon({x, y}, outline); };
    icon.Add_Light(Mask::From_Distance(size, size, crystal).Blurred(s * 0.035f).Times(tile_mask),
                   Solid(Color{0.75f, 0.78f, 1.0f, 0.45f}));
    // At the small sizes a seam keeps at least a pixel, or the facets run together.
    const float seam = std::max(kSeam, 1.0f / s);
    icon.Draw(Mask::From_Distance(size, size, [&](float x, float y) { return crystal(x, y) - seam * s * 0.5f; }), kSeamColour);
    const V2 apex = outline[0];
    const float crystal_height = outline[1].y - outline[0].y;
    for (const Facet& f : Crystal_Facets()) {
        const std::vector<V2> corners = Scaled(Inset(f.corners, seam * 0.5f), s);
        const auto facet = [&corners](float x, float y) { return Sd_Polygon({x, y}, corners); };
        Image layer(size, size);
        layer.Draw(Mask::From_Distance(size, size, facet), [&](float x, float y) {
            const float t = Smoothstep(apex.y, apex.y + crystal_height, y + (x - apex.x) * 0.4f);
            return Mix(Facet_Light(f.colour), Facet_Shadow(f.colour), t);
        });
        layer.Shade([&](float x, float y) { return Bevel_Light(facet, {x, y}, std::max(1.5f, s * 0.03f), 0.9f); });
        icon.Draw(layer);
    }
    const auto sheen = [&](float x, float y) {
        const V2 a = apex + V2{-0.05f, 0.12f} * s, b = apex + V2{-0.15f, 0.30f} * s;
        return std::max(crystal(x, y) + s * 0.02f, Sd_Segment({x, y}, a, b) - s * 0.03f);
    };
    icon.Draw(Mask::From_Distance(size, size, sheen, std::max(1.0f, s * 0.02f)), Color{1, 1, 1, 0.28f});
    return icon;
}

// ---------------------------------------------------------------- SVG

std::string Hex(const Color& c) {
    auto byte = [](float v) { return static_cast<int>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f)); };
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", byte(c.r), byte(c.g), byte(c.b));
    return text;
}

// SVG drawn on a 256-unit canvas: numbers with at most two decimals.
std::string Num(float unit_value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", unit_value * 256.0f);
    std::string out = text;
    while (out.back() == '0') out.pop_back();
    if (out.back() == '.') out.pop_back();
    return out == "-0" ? "0" : out;
}

std::string Points(const std::array<V2, 3>& t) {
    std::string out;
    for (const V2& p : t) out += (out.empty() ? "" : " ") + Num(p.x) + "," + Num(p.y);
    return out;
}

std::string Build_Svg() {
    std::ostringstream svg;
    svg << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<!-- Prismel's icon, written by tools/assets/icon.cpp from the same layout as its PNG sizes. -->\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 256 256\">\n"
        << "  <defs>\n"
        << "    <linearGradient id=\"tile\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">\n"
        << "      <stop offset=\"0\" stop-color=\"" << Hex(kTileTop) << "\"/>\n"
        << "      <stop offset=\"1\" stop-color=\"" << Hex(kTileBottom) << "\"/>\n"
        << "    </linearGradient>\n"
        << "    <linearGradient id=\"edge\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"0.35\">\n"
        << "      <stop offset=\"0\" stop-color=\"#999eff\" stop-opacity=\"0.55\"/>\n"
        << "      <stop offset=\"1\" stop-color=\"#999eff\" stop-opacity=\"0\"/>\n"
        << "    </linearGradient>\n"
        << "    <filter id=\"glow\" x=\"-0.3\" y=\"-0.3\" width=\"1.6\" height=\"1.6\">\n"
        << "      <feGaussianBlur stdDeviation=\"" << Num(0.03f) << "\"/>\n"
        << "    </filter>\n";
    // One gradient per facet colour, light at the upper left.
    const std::vector<Facet> facets = Crystal_Facets();
    std::vector<std::string> colour_ids;
    for (const Facet& f : facets) {
        const std::string id = "facet" + Hex(f.colour).substr(1);
        if (std::find(colour_ids.begin(), colour_ids.end(), id) != colour_ids.end()) continue;
        colour_ids.push_back(id);
        svg << "    <linearGradient id=\"" << id << "\" gradientUnits=\"userSpaceOnUse\" x1=\"" << Num(0.35f) << "\" y1=\""
            << Num(0.15f) << "\" x2=\"" << Num(0.62f) << "\" y2=\"" << Num(0.85f) << "\">\n"
            << "      <stop offset=\"0\" stop-color=\"" << Hex(Facet_Light(f.colour)) << "\"/>\n"
            << "      <stop offset=\"1\" stop-color=\"" << Hex(Facet_Shadow(f.colour)) << "\"/>\n"
            << "    </linearGradient>\n";
    }
    svg << "  </defs>\n";

    const float tile_x = kTileCentre.x - kTileHalf, tile_side = 2 * kTileHalf;
    const std::string tile_box = "x=\"" + Num(tile_x) + "\" y=\"" + Num(kTileCentre.y - kTileHalf) + "\" width=\"" +
                                 Num(tile_side) + "\" height=\"" + Num(tile_side) + "\" rx=\"" + Num(kTileCorner) + "\"";
    svg << "  <rect " << tile_box << " fill=\"#000000\" fill-opacity=\"0.4\" transform=\"translate(0 " << Num(1.0f / 64)
        << ")\"/>\n"
        << "  <rect " << tile_box << " fill=\"url(#tile)\"/>\n"
        << "  <rect " << tile_box << " fill=\"none\" stroke=\"url(#edge)\" stroke-width=\"" << Num(0.016f) << "\"/>\n";

    // The disc, then its ring as short arcs, each in its colour of the spectrum.
    const float ring_radius = kDiscRadius - kRingWidth * 0.5f;
    svg << "  <circle cx=\"" << Num(kDiscCentre.x) << "\" cy=\"" << Num(kDiscCentre.y) << "\" r=\"" << Num(kDiscRadius)
        << "\" fill=\"" << Hex(kDiscFill) << "\"/>\n";
    constexpr int kArcs = 48;
    for (int glow = 1; glow >= 0; --glow) {
        svg << "  <g fill=\"none\" stroke-width=\"" << Num(kRingWidth) << "\""
            << (glow ? " filter=\"url(#glow)\" opacity=\"0.55\"" : "") << ">\n";
        for (int i = 0; i < kArcs; ++i) {
            const float a0 = static_cast<float>(i) / kArcs, a1 = static_cast<float>(i + 1) / kArcs, mid = (a0 + a1) * 0.5f;
            const Color c = mid < 5.0f / 6.0f ? Spectrum(mid * 6.0f / 5.0f) : Mix(kSpectrum[5], kSpectrum[0], (mid - 5.0f / 6.0f) * 6.0f);
            // A hair of overlap so the arcs meet without hairline gaps.
            auto at = [&](float a) {
                const float t = a * 2 * kPi;
                return V2{kDiscCentre.x + ring_radius * std::sin(t), kDiscCentre.y - ring_radius * std::cos(t)};
            };
            const V2 p0 = at(a0 - 0.002f), p1 = at(a1 + 0.002f);
            svg << "    <path stroke=\"" << Hex(c) << "\" d=\"M" << Num(p0.x) << " " << Num(p0.y) << "A" << Num(ring_radius)
                << " " << Num(ring_radius) << " 0 0 1 " << Num(p1.x) << " " << Num(p1.y) << "\"/>\n";
        }
        svg << "  </g>\n";
    }

    // The crystal: its glow, the dark body, the facets and the sheen.
    const std::array<V2, 3> outline = Crystal_Outline();
    svg << "  <polygon points=\"" << Points(outline) << "\" fill=\"#bfc7ff\" opacity=\"0.45\" filter=\"url(#glow)\"/>\n"
        << "  <polygon points=\"" << Points(outline) << "\" fill=\"" << Hex(kSeamColour) << "\" stroke=\""
        << Hex(kSeamColour) << "\" stroke-width=\"" << Num(kSeam) << "\" stroke-linejoin=\"round\"/>\n";
    for (const Facet& f : facets)
        svg << "  <polygon points=\"" << Points(Inset(f.corners, kSeam * 0.5f)) << "\" fill=\"url(#facet"
            << Hex(f.colour).substr(1) << ")\"/>\n";
    const V2 apex = outline[0];
    const std::array<V2, 3> sheen{apex + V2{-0.03f, 0.07f}, apex + V2{-0.015f, 0.16f}, apex + V2{-0.17f, 0.33f}};
    svg << "  <polygon points=\"" << Points(sheen) << "\" fill=\"#ffffff\" opacity=\"0.22\"/>\n"
        << "</svg>\n";
    return svg.str();
}

}  // namespace

}  // namespace assets

int main(int argc, char** argv) {
    using namespace assets;
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <out folder>\n", argv[0]);
        return 1;
    }
    const std::string out = std::string(argv[1]) + "/";
    bool ok = true;
    for (const int size : {48, 128, 256}) ok = Write_Png(Build_Icon(size), out + "icon_" + std::to_string(size) + ".png") && ok;
    std::ofstream svg(out + "icon.svg", std::ios::binary);
    svg << Build_Svg();
    if (!svg) {
        std::fprintf(stderr, "could not write %sicon.svg\n", out.c_str());
        ok = false;
    }
    return ok ? 0 : 1;
}
