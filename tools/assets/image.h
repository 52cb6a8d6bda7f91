// A floating-point RGBA canvas for the texture generators, and its PNG output.
//
// Pixels are kept with premultiplied alpha so that layers composite with one
// multiply-add. Writing a PNG converts to straight 8-bit RGBA, bleeds colour
// into fully transparent pixels (so linear texture filtering in the game never
// pulls in dark fringes) and applies a fixed ordered dither (so gradients do
// not band). The output depends only on the pixels: no time stamps, no
// randomness.
//
// This module knows nothing about what is drawn; shapes, text and effects live
// in their own modules.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "mask.h"

namespace assets {

// Straight (not premultiplied) colour, components 0..1.
struct Color {
    float r = 0, g = 0, b = 0, a = 1;
};

Color Mix(const Color& a, const Color& b, float t);
Color With_Alpha(Color c, float a);

// Colour as a function of the pixel centre (x, y) in pixels, y down.
using Paint = std::function<Color(float x, float y)>;

Paint Solid(Color c);
// Linear gradient between two points (pixels); clamped beyond them.
Paint Linear_Gradient(float x0, float y0, Color c0, float x1, float y1, Color c1);

class Image {
public:
    Image(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }

    // Premultiplied components of one pixel.
    struct Pixel {
        float r = 0, g = 0, b = 0, a = 0;
    };
    Pixel& At(int x, int y) { return pixels_[static_cast<size_t>(y) * width_ + x]; }
    const Pixel& At(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }

    // Straight colour of a pixel (0, 0, 0, 0 where fully transparent).
    Color Get(int x, int y) const;

    // Fills every pixel with c (replacing, not compositing).
    void Clear(Color c);

    // Composites paint over the image where coverage is non-zero.
    void Draw(const Mask& coverage, const Paint& paint);
    // Same, with a uniform colour.
    void Draw(const Mask& coverage, Color c) { Draw(coverage, Solid(c)); }
    // Composites another image of the same size over this one.
    void Draw(const Image& layer);
    // Adds light: RGB grows by the paint times its alpha and the coverage;
    // alpha is unchanged (meant for opaque pictures).
    void Add_Light(const Mask& coverage, const Paint& paint);

    // Multiplies the RGB of every pixel by factor(x, y) (lighting, shading).
    void Shade(const std::function<float(float x, float y)>& factor);

    // Copies a rectangle of src into this image at (dx, dy); rotate180 turns
    // the rectangle half a turn on the way.
    void Blit(const Image& src, int sx, int sy, int w, int h, int dx, int dy, bool rotate180 = false);

private:
    int width_, height_;
    std::vector<Pixel> pixels_;
};

// Writes the image as an 8-bit RGBA PNG. Returns false (with a message on
// standard error) when the file cannot be written.
bool Write_Png(const Image& image, const std::string& path);

// Reads an 8-bit RGBA PNG; returns false when the file does not decode.
bool Read_Png(const std::string& path, Image& out);

}  // namespace assets
