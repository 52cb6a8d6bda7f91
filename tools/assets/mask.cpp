// Coverage masks: construction from distances and the pixel-wise operations.
#include "mask.h"

#include <algorithm>
#include <cmath>

namespace assets {

Mask::Mask(int width, int height)
    : width_(width), height_(height), values_(static_cast<size_t>(width) * height, 0.0f) {}

Mask Mask::From_Distance(int width, int height, const Distance& distance, float softness, Region region) {
    Mask m(width, height);
    for (int y = std::max(0, region.y0); y < std::min(height, region.y1); ++y)
        for (int x = std::max(0, region.x0); x < std::min(width, region.x1); ++x) {
            const float d = distance(x + 0.5f, y + 0.5f);
            m.At(x, y) = std::clamp(0.5f - d / softness, 0.0f, 1.0f);
        }
    return m;
}

float Mask::Get(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0.0f;
    return At(x, y);
}

Mask Mask::Blurred(float sigma) const {
    if (sigma <= 0.0f) return *this;
    const int radius = static_cast<int>(std::ceil(sigma * 3.0f));
    std::vector<float> kernel(2 * radius + 1);
    float sum = 0.0f;
    for (int i = -radius; i <= radius; ++i) {
        kernel[i + radius] = std::exp(-0.5f * (i * i) / (sigma * sigma));
        sum += kernel[i + radius];
    }
    for (float& k : kernel) k /= sum;

    Mask horizontal(width_, height_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            float acc = 0.0f;
            for (int i = -radius; i <= radius; ++i) acc += kernel[i + radius] * Get(x + i, y);
            horizontal.At(x, y) = acc;
        }
    Mask out(width_, height_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            float acc = 0.0f;
            for (int i = -radius; i <= radius; ++i) acc += kernel[i + radius] * horizontal.Get(x, y + i);
            out.At(x, y) = acc;
        }
    return out;
}

Mask Mask::Shifted(int dx, int dy) const {
    Mask out(width_, height_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) out.At(x, y) = Get(x - dx, y - dy);
    return out;
}

namespace {
template <typename Op>
Mask Combine(const Mask& a, const Mask& b, Op op) {
    Mask out(a.Width(), a.Height());
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x) out.At(x, y) = std::clamp(op(a.At(x, y), b.Get(x, y)), 0.0f, 1.0f);
    return out;
}
}  // namespace

Mask Mask::Union(const Mask& other) const {
    return Combine(*this, other, [](float a, float b) { return std::max(a, b); });
}
Mask Mask::Minus(const Mask& other) const {
    return Combine(*this, other, [](float a, float b) { return a * (1.0f - b); });
}
Mask Mask::Times(const Mask& other) const {
    return Combine(*this, other, [](float a, float b) { return a * b; });
}
Mask Mask::Scaled(float factor) const {
    return Combine(*this, *this, [factor](float a, float) { return a * factor; });
}

Mask Mask::Dilated(float radius) const {
    // Maximum over a disc of the given radius, each sample weighted by how far
    // inside the disc it lies, which keeps the grown edge anti-aliased.
    struct Tap {
        int dx, dy;
        float reach;
    };
    std::vector<Tap> taps;
    const int r = static_cast<int>(std::ceil(radius + 1.0f));
    for (int j = -r; j <= r; ++j)
        for (int i = -r; i <= r; ++i) {
            const float reach = std::clamp(radius + 0.5f - std::sqrt(float(i * i + j * j)), 0.0f, 1.0f);
            if (reach > 0.0f) taps.push_back({i, j, reach});
        }
    Mask out(width_, height_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            float best = 0.0f;
            for (const Tap& t : taps) best = std::max(best, Get(x + t.dx, y + t.dy) * t.reach);
            out.At(x, y) = best;
        }
    return out;
}

}  // namespace assets
