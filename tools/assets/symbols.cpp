// The colour-symbol pictures.
#include "symbols.h"

#include <algorithm>
#include <cmath>

#include "shapes.h"

namespace assets {

namespace {

constexpr int kSize = 128;        // pixels, both ways
constexpr float kRadius = 36.0f;  // typical half extent of a shape, pixels
constexpr float kRim = 4.5f;      // dark rim width, pixels
const V2 kCentre{64, 64};

Distance Shape_Distance(SymbolShape shape) {
    switch (shape) {
        case SymbolShape::Circle:
            // A little smaller than the others, so it is not a rounded square or a cross.
            return [](float x, float y) { return Sd_Circle({x, y}, kCentre, kRadius * 0.84f); };
        case SymbolShape::Square:
            return [](float x, float y) { return Sd_Box({x, y}, kCentre, {kRadius * 0.86f, kRadius * 0.86f}, 4.0f); };
        case SymbolShape::Diamond: {
            // Taller than wide, so it cannot pass for a turned square.
            const std::vector<V2> v{{64, 64 - kRadius * 1.18f}, {64 + kRadius * 0.78f, 64}, {64, 64 + kRadius * 1.18f}, {64 - kRadius * 0.78f, 64}};
            return [v](float x, float y) { return Sd_Polygon({x, y}, v); };
        }
        case SymbolShape::Crescent:
            return [](float x, float y) {
                const float outer = Sd_Circle({x, y}, kCentre, kRadius);
                const float bite = Sd_Circle({x, y}, {64 + kRadius * 0.55f, 64 - kRadius * 0.28f}, kRadius * 0.86f);
                return std::max(outer, -bite);
            };
        case SymbolShape::Triangle: {
            // Centred on its area, not its corners, so it looks centred.
            const std::vector<V2> v = Regular_Polygon({64, 64 + kRadius * 0.12f}, kRadius * 1.22f, 3);
            return [v](float x, float y) { return Sd_Polygon({x, y}, v); };
        }
        case SymbolShape::Cross:
            return [](float x, float y) {
                const float bar = kRadius * 0.34f;
                return std::min(Sd_Box({x, y}, kCentre, {kRadius, bar}, 3.0f), Sd_Box({x, y}, kCentre, {bar, kRadius}, 3.0f));
            };
        case SymbolShape::Star: {
            const std::vector<V2> v = Star({64, 66}, kRadius * 1.2f, kRadius * 0.5f, 5);
            return [v](float x, float y) { return Sd_Polygon({x, y}, v); };
        }
    }
    return [](float, float) { return 1.0f; };
}

}  // namespace

std::vector<SymbolInfo> Symbol_List() {
    return {{"symbol_blue.png", SymbolShape::Circle},   {"symbol_green.png", SymbolShape::Square},
            {"symbol_orange.png", SymbolShape::Diamond}, {"symbol_purple.png", SymbolShape::Crescent},
            {"symbol_red.png", SymbolShape::Triangle},   {"symbol_white.png", SymbolShape::Cross},
            {"symbol_yellow.png", SymbolShape::Star}};
}

Image Build_Symbol(SymbolShape shape) {
    const Distance distance = Shape_Distance(shape);
    Image picture(kSize, kSize);
    // Rim first (the shape grown by the rim width), then the face inset in it.
    picture.Draw(Mask::From_Distance(kSize, kSize, [&](float x, float y) { return distance(x, y) - kRim; }),
                 Color{0.10f, 0.10f, 0.14f, 1});
    Image face(kSize, kSize);
    face.Draw(Mask::From_Distance(kSize, kSize, distance),
              Linear_Gradient(0, 64 - kRadius, {1, 1, 1, 1}, 0, 64 + kRadius, {0.80f, 0.82f, 0.86f, 1}));
    face.Shade([&](float x, float y) { return Bevel_Light(distance, {x, y}, 7.0f, 0.7f); });
    picture.Draw(face);
    return picture;
}

}  // namespace assets
