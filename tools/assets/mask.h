// Coverage masks: one float 0..1 per pixel, the "where" of every drawing
// operation of the texture generators.
//
// Masks come from signed distance functions (anti-aliased by the distance to
// the edge), from rasterised text, or from other masks (blur, shift, union,
// difference). They hold no colour; Image::Draw pairs a mask with a paint.
#pragma once

#include <functional>
#include <vector>

namespace assets {

// Signed distance in pixels from the pixel centre (x, y) to a shape's edge:
// negative inside, positive outside.
using Distance = std::function<float(float x, float y)>;

// A pixel rectangle [x0, x1) x [y0, y1); the default covers everything.
struct Region {
    int x0 = 0, y0 = 0, x1 = 1 << 30, y1 = 1 << 30;
};

class Mask {
public:
    Mask(int width, int height);

    // Coverage of a shape given by its signed distance; softness (pixels)
    // widens the anti-aliased edge beyond one pixel for deliberately soft
    // shapes. Only pixels inside region are evaluated (the rest stay 0), which
    // saves time for small shapes on large pictures.
    static Mask From_Distance(int width, int height, const Distance& distance, float softness = 1.0f, Region region = {});

    int Width() const { return width_; }
    int Height() const { return height_; }
    float& At(int x, int y) { return values_[static_cast<size_t>(y) * width_ + x]; }
    float At(int x, int y) const { return values_[static_cast<size_t>(y) * width_ + x]; }
    // Coverage at integer pixel (x, y), 0 outside the mask.
    float Get(int x, int y) const;

    // Gaussian blur with the given standard deviation in pixels.
    Mask Blurred(float sigma) const;
    // The mask moved by (dx, dy) whole pixels; uncovered pixels become 0.
    Mask Shifted(int dx, int dy) const;
    // Pixel-wise operations.
    Mask Union(const Mask& other) const;
    Mask Minus(const Mask& other) const;
    Mask Times(const Mask& other) const;
    Mask Scaled(float factor) const;
    // Grows the covered area by radius pixels (disc-shaped dilation, soft edge).
    Mask Dilated(float radius) const;

private:
    int width_, height_;
    std::vector<float> values_;
};

}  // namespace assets
