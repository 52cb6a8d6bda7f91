// The RGBA canvas: compositing, and the PNG writer with colour bleeding and
// ordered dithering.
#include "image.h"

#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <deque>

namespace assets {

Color Mix(const Color& a, const Color& b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

Color With_Alpha(Color c, float a) {
    c.a = a;
    return c;
}

Paint Solid(Color c) {
    return [c](float, float) { return c; };
}

Paint Linear_Gradient(float x0, float y0, Color c0, float x1, float y1, Color c1) {
    const float dx = x1 - x0, dy = y1 - y0;
    const float length2 = std::max(dx * dx + dy * dy, 1e-6f);
    return [=](float x, float y) {
        const float t = std::clamp(((x - x0) * dx + (y - y0) * dy) / length2, 0.0f, 1.0f);
        return Mix(c0, c1, t);
    };
}

Image::Image(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height) {}

Color Image::Get(int x, int y) const {
    const Pixel& p = At(x, y);
    if (p.a <= 0.0f) return {0, 0, 0, 0};
    return {p.r / p.a, p.g / p.a, p.b / p.a, p.a};
}

void Image::Clear(Color c) {
    std::fill(pixels_.begin(), pixels_.end(), Pixel{c.r * c.a, c.g * c.a, c.b * c.a, c.a});
}

void Image::Draw(const Mask& coverage, const Paint& paint) {
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            const float cov = coverage.Get(x, y);
            if (cov <= 0.0f) continue;
            const Color c = paint(x + 0.5f, y + 0.5f);
            const float a = std::clamp(c.a * cov, 0.0f, 1.0f);
            Pixel& p = At(x, y);
            p.r = c.r * a + p.r * (1.0f - a);
            p.g = c.g * a + p.g * (1.0f - a);
            p.b = c.b * a + p.b * (1.0f - a);
            p.a = a + p.a * (1.0f - a);
        }
}

void Image::Draw(const Image& layer) {
    for (int y = 0; y < std::min(height_, layer.height_); ++y)
        for (int x = 0; x < std::min(width_, layer.width_); ++x) {
            const Pixel& s = layer.At(x, y);
            Pixel& p = At(x, y);
            p.r = s.r + p.r * (1.0f - s.a);
            p.g = s.g + p.g * (1.0f - s.a);
            p.b = s.b + p.b * (1.0f - s.a);
            p.a = s.a + p.a * (1.0f - s.a);
        }
}

void Image::Add_Light(const Mask& coverage, const Paint& paint) {
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            const float cov = coverage.Get(x, y);
            if (cov <= 0.0f) continue;
            const Color c = paint(x + 0.5f, y + 0.5f);
            Pixel& p = At(x, y);
            const float k = c.a * cov * p.a;
            p.r = std::min(p.r + c.r * k, p.a);
            p.g = std::min(p.g + c.g * k, p.a);
            p.b = std::min(p.b + c.b * k, p.a);
        }
}

void Image::Shade(const std::function<float(float x, float y)>& factor) {
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            Pixel& p = At(x, y);
            if (p.a <= 0.0f) continue;
            const float f = factor(x + 0.5f, y + 0.5f);
            // Premultiplied colour may not exceed its alpha.
            p.r = std::min(p.r * f, p.a);
            p.g = std::min(p.g * f, p.a);
            p.b = std::min(p.b * f, p.a);
        }
}

void Image::Blit(const Image& src, int sx, int sy, int w, int h, int dx, int dy, bool rotate180) {
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int fx = rotate180 ? sx + w - 1 - x : sx + x;
            const int fy = rotate180 ? sy + h - 1 - y : sy + y;
            At(dx + x, dy + y) = src.At(fx, fy);
        }
}

namespace {

// 4x4 Bayer matrix as offsets strictly inside (-0.5, 0.5) of one 8-bit step,
// so exact 0 and exact 1 stay exact.
float Dither_Offset(int x, int y) {
    static constexpr int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    return (kBayer[y & 3][x & 3] + 0.5f) / 16.0f - 0.5f;
}

uint8_t Quantise(float v, float offset) {
    return static_cast<uint8_t>(std::clamp(std::lround(v * 255.0f + offset), 0L, 255L));
}

// Gives every fully transparent pixel the colour of its nearest visible
// neighbours (breadth-first from the visible pixels), so that filtering
// across an edge blends towards the right colour instead of black.
void Bleed_Colour(std::vector<uint8_t>& rgba, int width, int height) {
    std::vector<char> known(static_cast<size_t>(width) * height, 0);
    std::deque<int> frontier;
    for (int i = 0; i < width * height; ++i)
        if (rgba[i * 4 + 3] != 0) {
            known[i] = 1;
            frontier.push_back(i);
        }
    if (frontier.empty()) return;
    while (!frontier.empty()) {
        const int i = frontier.front();
        frontier.pop_front();
        const int x = i % width, y = i / width;
        const int neighbours[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
        for (const auto& n : neighbours) {
            if (n[0] < 0 || n[1] < 0 || n[0] >= width || n[1] >= height) continue;
            const int j = n[1] * width + n[0];
            if (known[j]) continue;
            // Average of the already known 4-neighbours of j.
            int sum[3] = {0, 0, 0}, count = 0;
            const int around[4][2] = {{n[0] - 1, n[1]}, {n[0] + 1, n[1]}, {n[0], n[1] - 1}, {n[0], n[1] + 1}};
            for (const auto& m : around) {
                if (m[0] < 0 || m[1] < 0 || m[0] >= width || m[1] >= height) continue;
                const int k = m[1] * width + m[0];
                if (!known[k]) continue;
                for (int c = 0; c < 3; ++c) sum[c] += rgba[k * 4 + c];
                ++count;
            }
            for (int c = 0; c < 3; ++c) rgba[j * 4 + c] = static_cast<uint8_t>((sum[c] + count / 2) / count);
            known[j] = 1;
            frontier.push_back(j);
        }
    }
}

}  // namespace

bool Write_Png(const Image& image, const std::string& path) {
    const int w = image.Width(), h = image.Height();
    std::vector<uint8_t> rgba(static_cast<size_t>(w) * h * 4);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const Color c = image.Get(x, y);
            const float offset = Dither_Offset(x, y);
            uint8_t* p = &rgba[(static_cast<size_t>(y) * w + x) * 4];
            p[3] = Quantise(c.a, offset);
            if (p[3] == 0) continue;
            p[0] = Quantise(c.r, offset);
            p[1] = Quantise(c.g, offset);
            p[2] = Quantise(c.b, offset);
        }
    Bleed_Colour(rgba, w, h);

    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(w);
    png.height = static_cast<png_uint_32>(h);
    png.format = PNG_FORMAT_RGBA;
    if (!png_image_write_to_file(&png, path.c_str(), 0, rgba.data(), 0, nullptr)) {
        std::fprintf(stderr, "could not write %s: %s\n", path.c_str(), png.message);
        return false;
    }
    return true;
}

bool Read_Png(const std::string& path, Image& out) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&png, path.c_str())) return false;
    png.format = PNG_FORMAT_RGBA;
    std::vector<uint8_t> rgba(PNG_IMAGE_SIZE(png));
    if (!png_image_finish_read(&png, nullptr, rgba.data(), 0, nullptr)) return false;
    out = Image(static_cast<int>(png.width), static_cast<int>(png.height));
    for (int y = 0; y < out.Height(); ++y)
        for (int x = 0; x < out.Width(); ++x) {
            const uint8_t* p = &rgba[(static_cast<size_t>(y) * out.Width() + x) * 4];
            const float a = p[3] / 255.0f;
            out.At(x, y) = {p[0] / 255.0f * a, p[1] / 255.0f * a, p[2] / 255.0f * a, a};
        }
    return true;
}

}  // namespace assets
