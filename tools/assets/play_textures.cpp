// The play-field surface textures.
#include "play_textures.h"

#include <algorithm>
#include <cmath>

#include "noise.h"
#include "shapes.h"

namespace assets {

namespace {
constexpr int kSize = 256;  // pixels, both ways
}

Image Build_Brick_Texture() {
    // One bevelled slab per repeat: light face, raised rim catching the light
    // from the upper left, fine grain so large walls do not look flat.
    Image picture(kSize, kSize);
    picture.Clear({0.93f, 0.92f, 0.90f, 1});
    const auto slab = [](float x, float y) { return Sd_Box({x, y}, {128, 128}, {124, 124}, 10.0f); };
    const auto groove = [](float x, float y) { return std::fabs(Sd_Box({x, y}, {128, 128}, {100, 100}, 14.0f)) - 1.5f; };
    picture.Shade([&](float x, float y) {
        const float bevel = Bevel_Light(slab, {x, y}, 18.0f, 1.0f);
        const float inner = 1.0f - 0.10f * std::clamp(0.5f - groove(x, y) / 1.5f, 0.0f, 1.0f);
        const float grain = 0.94f + 0.08f * Fractal_Noise(x / 16.0f, y / 16.0f, 16, 4, 11u);
        const float seam = Smoothstep(-1.5f, 1.5f, slab(x, y));  // the joint between slabs
        return bevel * inner * grain * (1.0f - 0.35f * seam);
    });
    return picture;
}

Image Build_Ground_Texture() {
    // A quiet cool-grey floor with a fine lighter grid (eight cells per
    // repeat) and faint cloudy variation.
    Image picture(kSize, kSize);
    picture.Clear({0.62f, 0.66f, 0.72f, 1});
    picture.Shade([](float x, float y) {
        const float cloud = 0.90f + 0.16f * Fractal_Noise(x / 64.0f, y / 64.0f, 4, 4, 23u);
        const float gx = std::fabs(std::fmod(x, 32.0f) - 16.0f), gy = std::fabs(std::fmod(y, 32.0f) - 16.0f);
        const float line = std::max(Smoothstep(14.2f, 15.6f, gx), Smoothstep(14.2f, 15.6f, gy));
        const float major_x = std::fabs(std::fmod(x, 128.0f) - 64.0f), major_y = std::fabs(std::fmod(y, 128.0f) - 64.0f);
        const float major = std::max(Smoothstep(62.0f, 63.8f, major_x), Smoothstep(62.0f, 63.8f, major_y));
        return cloud * (1.0f + 0.12f * line + 0.10f * major);
    });
    return picture;
}

Image Build_Disc_Texture() {
    // The disc face as seen from above, u and v spanning the disc: a gentle
    // dome lit from the upper left, a soft rim and faint turned rings, so
    // moving discs read as solid pucks of their colour.
    Image picture(kSize, kSize);
    picture.Clear({0.97f, 0.97f, 0.97f, 1});
    const V2 centre{128, 128};
    picture.Shade([&](float x, float y) {
        const V2 p{x, y};
        const float r = Length(p - centre) / 128.0f;  // 0 centre .. 1 edge
        const float dome = 1.0f - 0.16f * r * r;
        const V2 light = (p - V2{92, 88}) * (1.0f / 128.0f);
        const float highlight = 0.10f * std::exp(-Dot(light, light) * 9.0f);
        const float rings = 1.0f - 0.025f * (0.5f + 0.5f * std::cos(r * 40.0f)) * Smoothstep(0.15f, 0.3f, r);
        const float rim = 1.0f - 0.18f * Smoothstep(0.80f, 0.98f, r);
        return (dome + highlight) * rings * rim;
    });
    return picture;
}

}  // namespace assets
