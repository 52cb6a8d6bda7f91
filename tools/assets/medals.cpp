// The medal picture.
#include "medals.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "palette.h"
#include "shapes.h"

namespace assets {

namespace {

constexpr int kQuarter = 256;  // pixels

struct Metal {
    Color light, base, dark;
};

constexpr Metal kGold{{1.0f, 0.95f, 0.66f, 1}, {0.98f, 0.76f, 0.24f, 1}, {0.62f, 0.40f, 0.08f, 1}};
constexpr Metal kSilver{{1.0f, 1.0f, 1.0f, 1}, {0.78f, 0.80f, 0.85f, 1}, {0.42f, 0.45f, 0.52f, 1}};
constexpr Metal kBronze{{0.98f, 0.74f, 0.52f, 1}, {0.78f, 0.47f, 0.24f, 1}, {0.42f, 0.22f, 0.09f, 1}};

// One medal drawn into a quarter-sized picture.
Image Medal(const Metal& metal) {
    Image picture(kQuarter, kQuarter);
    const V2 centre{128, 158};
    constexpr float kCoin = 88.0f, kFace = 70.0f;  // radii, pixels

    // Ribbon: two straps meeting behind the coin, night blue with a spectrum
    // stripe down the middle of each.
    const std::vector<std::vector<V2>> straps{{{44, 8}, {100, 8}, {148, 120}, {104, 132}},
                                              {{156, 8}, {212, 8}, {152, 132}, {108, 120}}};
    for (size_t s = 0; s < straps.size(); ++s) {
        const auto& strap = straps[s];
        const auto distance = [&strap](float x, float y) { return Sd_Polygon({x, y}, strap); };
        picture.Draw(Mask::From_Distance(kQuarter, kQuarter, distance), kNightBlue);
        const V2 a = (strap[0] + strap[1]) * 0.5f, b = (strap[2] + strap[3]) * 0.5f;
        const auto stripe = [&](float x, float y) { return std::max(Sd_Segment({x, y}, a, b) - 7.0f, distance(x, y)); };
        picture.Draw(Mask::From_Distance(kQuarter, kQuarter, stripe), [&](float, float y) { return Spectrum((y - 8) / 124); });
        picture.Shade([&](float x, float y) { return distance(x, y) < 0.5f ? 1.0f - 0.25f * s * Smoothstep(60, 130, y) : 1.0f; });
    }

    // Soft shadow of the coin on the ribbon and below.
    const auto coin = [&](float x, float y) { return Sd_Circle({x, y}, centre, kCoin); };
    picture.Draw(Mask::From_Distance(kQuarter, kQuarter, coin).Blurred(5.0f).Shifted(3, 5), Color{0, 0, 0, 0.55f});

    // Rim: a bevelled ring lit from the upper left.
    Image coin_layer(kQuarter, kQuarter);
    coin_layer.Draw(Mask::From_Distance(kQuarter, kQuarter, coin),
                    Linear_Gradient(centre.x - kCoin, centre.y - kCoin, metal.light, centre.x + kCoin, centre.y + kCoin, metal.dark));
    // Face: slightly sunk, its gradient runs the other way.
    const auto face = [&](float x, float y) { return Sd_Circle({x, y}, centre, kFace); };
    coin_layer.Draw(Mask::From_Distance(kQuarter, kQuarter, face),
                    Linear_Gradient(centre.x - kFace, centre.y - kFace, metal.base, centre.x + kFace, centre.y + kFace, metal.light));
    // A raised five-pointed star on the face.
    const std::vector<V2> star = Star({centre.x, centre.y + 4}, 52.0f, 21.0f, 5);
    const auto star_distance = [&star](float x, float y) { return Sd_Polygon({x, y}, star); };
    coin_layer.Draw(Mask::From_Distance(kQuarter, kQuarter, star_distance), metal.base);
    coin_layer.Shade([&](float x, float y) {
        const V2 p{x, y};
        float f = Bevel_Light(coin, p, 10.0f, 1.2f);
        // The face is a hollow: its edge catches light on the far side.
        const float hollow = Bevel_Light(face, p, 6.0f, 1.0f);
        f *= 2.0f - hollow;
        f *= Bevel_Light(star_distance, p, 9.0f, 1.3f);
        return f;
    });
    picture.Draw(coin_layer);

    // A gleam across the upper left of the coin.
    const auto gleam = [&](float x, float y) {
        return std::max(coin(x, y) + 6.0f, Sd_Circle({x, y}, {centre.x - 34, centre.y - 40}, 30.0f));
    };
    picture.Draw(Mask::From_Distance(kQuarter, kQuarter, gleam, 18.0f), Color{1, 1, 1, 0.35f});
    return picture;
}

}  // namespace

Image Build_Medals() {
    Image picture(2 * kQuarter, 2 * kQuarter);
    picture.Blit(Medal(kGold), 0, 0, kQuarter, kQuarter, 0, 0);
    picture.Blit(Medal(kSilver), 0, 0, kQuarter, kQuarter, kQuarter, 0);
    picture.Blit(Medal(kBronze), 0, 0, kQuarter, kQuarter, 0, kQuarter);
    return picture;
}

}  // namespace assets
