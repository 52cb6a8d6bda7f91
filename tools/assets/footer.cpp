// The menu footer.
#include "footer.h"

#include <algorithm>
#include <cmath>

#include "palette.h"
#include "shapes.h"

namespace assets {

namespace {

constexpr int kStripWidth = 1024, kStripHeight = 256;  // pixels
constexpr float kRuleRow = 43.0f;     // row of the thin rule between totals and buttons
constexpr float kBandTop = 150.0f;    // row of the top edge of the bottom band
constexpr float kCorner = 18.0f;      // corner radius of the band, pixels

// Fades a horizontal line out towards both ends of the strip.
float End_Fade(float x, float reach) {
    return Smoothstep(0.0f, reach, x) * Smoothstep(0.0f, reach, kStripWidth - x);
}

}  // namespace

Image Build_Footer_Strip() {
    Image strip(kStripWidth, kStripHeight);
    const auto spectrum_across = [](float x, float) { return Spectrum(x / kStripWidth); };

    // Thin spectrum rule under the totals, bright in the middle.
    const Mask rule = Mask::From_Distance(kStripWidth, kStripHeight, [](float, float y) { return std::fabs(y - kRuleRow) - 1.0f; });
    strip.Draw(rule.Blurred(2.5f), [&](float x, float y) { return With_Alpha(spectrum_across(x, y), 0.5f * End_Fade(x, 380)); });
    strip.Draw(rule, [&](float x, float y) { return With_Alpha(Mix(spectrum_across(x, y), {1, 1, 1, 1}, 0.35f), 0.9f * End_Fade(x, 300)); });

    // Bottom band: night-blue glass with rounded upper corners, a faint
    // pattern of prisms, and a glowing spectrum edge.
    const auto band = [](float x, float y) {
        return Sd_Box({x, y}, {kStripWidth * 0.5f, (kBandTop + kStripHeight + 40) * 0.5f},
                      {kStripWidth * 0.5f - 2, (kStripHeight + 40 - kBandTop) * 0.5f}, kCorner);
    };
    const Mask band_mask = Mask::From_Distance(kStripWidth, kStripHeight, band);
    // A soft glow rising a little above the band, well below the buttons.
    strip.Draw(band_mask.Blurred(6.0f).Minus(band_mask),
               [&](float x, float y) { return With_Alpha(spectrum_across(x, y), 0.45f * End_Fade(x, 120)); });
    strip.Draw(band_mask, [](float, float y) {
        const float t = Smoothstep(kBandTop, kStripHeight, y);
        return With_Alpha(Mix(kDeepIndigo, kNightBlue, t), 0.92f);
    });
    // A lattice of triangles, 64 pixels a side; its lines are drawn faintly
    // lighter, fading out towards the bottom edge.
    strip.Shade([&](float x, float y) {
        if (band(x, y) > 0.0f) return 1.0f;
        constexpr float side = 64.0f, spacing = side * 0.8660254f;
        const V2 p{x - kStripWidth * 0.5f, y - kBandTop};
        const V2 normals[3] = {{0.0f, 1.0f}, {0.8660254f, 0.5f}, {-0.8660254f, 0.5f}};
        float nearest = spacing;
        for (const V2& n : normals) {
            const float t = Dot(p, n) / spacing;
            nearest = std::min(nearest, std::fabs(t - std::round(t)) * spacing);
        }
        const float line = 1.0f - Smoothstep(0.4f, 1.6f, nearest);
        const float fade = Smoothstep(kStripHeight, kBandTop, y);
        return 1.0f + 0.8f * line * fade;
    });
    // The spectrum edge along the top of the band.
    const auto edge_line = [&](float x, float y) { return std::max(std::fabs(band(x, y) + 1.5f) - 1.5f, y - kBandTop - 24.0f); };
    strip.Draw(Mask::From_Distance(kStripWidth, kStripHeight, edge_line),
               [&](float x, float y) { return Mix(spectrum_across(x, y), {1, 1, 1, 1}, 0.2f); });
    return strip;
}

Image Build_Footer() {
    const Image strip = Build_Footer_Strip();
    Image picture(512, 512);
    // Left half, turned half a turn, into the upper half; right half as is into the lower.
    picture.Blit(strip, 0, 0, 512, 256, 0, 0, true);
    picture.Blit(strip, 512, 0, 512, 256, 0, 256, false);
    return picture;
}

}  // namespace assets
