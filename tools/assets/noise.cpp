// Integer hash and tiling value noise.
#include "noise.h"

#include <cmath>

namespace assets {

uint32_t Hash(uint32_t x, uint32_t y, uint32_t seed) {
    uint32_t h = seed * 0x9E3779B9u ^ x * 0x85EBCA6Bu ^ y * 0xC2B2AE35u;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return h;
}

float Hash01(uint32_t x, uint32_t y, uint32_t seed) { return (Hash(x, y, seed) >> 8) / 16777216.0f; }

float Value_Noise(float x, float y, int period, uint32_t seed) {
    const float fx = std::floor(x), fy = std::floor(y);
    const float tx = x - fx, ty = y - fy;
    auto wrap = [period](float v) {
        const int i = static_cast<int>(v) % period;
        return static_cast<uint32_t>(i < 0 ? i + period : i);
    };
    const uint32_t x0 = wrap(fx), x1 = wrap(fx + 1), y0 = wrap(fy), y1 = wrap(fy + 1);
    const float sx = tx * tx * (3 - 2 * tx), sy = ty * ty * (3 - 2 * ty);
    const float a = Hash01(x0, y0, seed), b = Hash01(x1, y0, seed);
    const float c = Hash01(x0, y1, seed), d = Hash01(x1, y1, seed);
    return (a + (b - a) * sx) + ((c + (d - c) * sx) - (a + (b - a) * sx)) * sy;
}

float Fractal_Noise(float x, float y, int period, int octaves, uint32_t seed) {
    float sum = 0.0f, amplitude = 1.0f, total = 0.0f;
    for (int i = 0; i < octaves; ++i) {
        sum += amplitude * Value_Noise(x, y, period, seed + static_cast<uint32_t>(i) * 101u);
        total += amplitude;
        x *= 2.0f;
        y *= 2.0f;
        period *= 2;
        amplitude *= 0.5f;
    }
    return sum / total;
}

}  // namespace assets
