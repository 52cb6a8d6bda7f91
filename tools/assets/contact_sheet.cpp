// prismel_contact_sheet: a person's view of the generated pictures.
//
//   prismel_contact_sheet <texture folder> <out folder>
//
// Writes four PNGs into the out folder, built only from the generated files
// and the game's drawing rules for them:
//   sheet.png    every picture over a dark and a light ground;
//   menu.png     the menu screen as the game lays it out (footer, buttons,
//                headings, medal, text through font_list.txt);
//   startup.png  the start-up screen;
//   screens.png  the tutorial text with its symbols, the fixed-font
//                read-outs, and the symbols and surfaces on tinted quads.
// A development aid; the build does not run it.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "image.h"

namespace {

using namespace assets;

// The game's overlay: a 100 x 100 square seen through a 45 degree frustum at
// distance 120, so the visible range is 50 +- 120 tan(22.5 degrees).
constexpr float kHalfView = 49.705627f;

struct Screen {
    Image image;
    explicit Screen(int w, int h) : image(w, h) { image.Clear({0, 0, 0, 1}); }
    float Px(float x) const { return (x - 50 + kHalfView) / (2 * kHalfView) * image.Width(); }
    float Py(float y) const { return (1 - (y - 50 + kHalfView) / (2 * kHalfView)) * image.Height(); }
};

// Bilinear sample at texture coordinates (s, t), t upwards, repeating.
Color Sample(const Image& tex, float s, float t) {
    const float fx = s * tex.Width() - 0.5f, fy = (1 - t) * tex.Height() - 0.5f;
    const int x0 = static_cast<int>(std::floor(fx)), y0 = static_cast<int>(std::floor(fy));
    const float ax = fx - x0, ay = fy - y0;
    auto at = [&](int x, int y) {
        x = ((x % tex.Width()) + tex.Width()) % tex.Width();
        y = ((y % tex.Height()) + tex.Height()) % tex.Height();
        return tex.At(x, y);
    };
    Image::Pixel p[4] = {at(x0, y0), at(x0 + 1, y0), at(x0, y0 + 1), at(x0 + 1, y0 + 1)};
    const float w[4] = {(1 - ax) * (1 - ay), ax * (1 - ay), (1 - ax) * ay, ax * ay};
    Image::Pixel m;
    for (int i = 0; i < 4; ++i) {
        m.r += p[i].r * w[i];
        m.g += p[i].g * w[i];
        m.b += p[i].b * w[i];
        m.a += p[i].a * w[i];
    }
    if (m.a <= 0) return {0, 0, 0, 0};
    return {m.r / m.a, m.g / m.a, m.b / m.a, m.a};
}

// An overlay quad from (x0, y0) to (x1, y1) with texture coordinates s0..s1
// across and t0..t1 upwards, tinted, with opacity 1 - transparency.
void Quad(Screen& screen, const Image* tex, float x0, float y0, float x1, float y1, float s0, float t0, float s1, float t1,
          Color tint = {1, 1, 1, 1}, float transparency = 0) {
    const float px0 = screen.Px(x0), px1 = screen.Px(x1), py0 = screen.Py(y1), py1 = screen.Py(y0);
    Mask m(screen.image.Width(), screen.image.Height());
    for (int y = std::max(0, static_cast<int>(py0)); y < std::min(screen.image.Height(), static_cast<int>(std::ceil(py1))); ++y)
        for (int x = std::max(0, static_cast<int>(px0)); x < std::min(screen.image.Width(), static_cast<int>(std::ceil(px1))); ++x)
            if (x + 0.5f >= px0 && x + 0.5f < px1 && y + 0.5f >= py0 && y + 0.5f < py1) m.At(x, y) = 1;
    screen.image.Draw(m, [&](float x, float y) {
        const float u = (x - px0) / (px1 - px0), v = (py1 - y) / (py1 - py0);
        Color c = tex ? Sample(*tex, s0 + (s1 - s0) * u, t0 + (t1 - t0) * v) : Color{1, 1, 1, 1};
        return Color{c.r * tint.r, c.g * tint.g, c.b * tint.b, c.a * (1 - transparency)};
    });
}

struct Glyph {
    float left = 0, right = 0, bottom = 0, top = 0;
};

// The proportional text call: y is the middle of the line.
void Text(Screen& s, const Image& font, const std::vector<Glyph>& glyphs, float x, float y, float size, Color c, bool centre,
          bool right, const std::string& text) {
    const float aspect = static_cast<float>(s.image.Height()) / s.image.Width();
    const float spacing = aspect * size * 0.12f;
    auto width = [&](const Glyph& g) { return aspect * size * 10 * (g.right + 1 - g.left) / 256; };
    float total = 0;
    for (unsigned char ch : text) total += width(glyphs[ch & 127]) + spacing;
    if (centre) x -= total / 2;
    else if (right) x -= total;
    for (unsigned char ch : text) {
        const Glyph& g = glyphs[ch & 127];
        const float w = width(g), h = size * 10 * (g.bottom + 1 - g.top) / 256;
        Quad(s, &font, x, y - h / 2, x + w, y + h / 2, g.left / 256, (255 - g.bottom) / 256, (g.right + 1) / 256, (256 - g.top) / 256, c);
        x += w + spacing;
    }
}

// The fixed-cell text call: y is the bottom of the line.
void Fixed_Text(Screen& s, const Image& font, float x, float y, float size, Color c, bool centre, const std::string& text) {
    static const std::string cells = "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345" "6789#:.-()@_/<=>,?'\"!";
    if (centre) x -= (size + size * 0.65f * (text.size() - 1)) / 2;
    for (char ch : text) {
        ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        size_t i = cells.find(ch);
        if (i == std::string::npos || ch == '#') i = 36;
        const float u = (i % 8) / 8.0f, v = 1 - (i / 8) / 8.0f;
        Quad(s, &font, x, y, x + size, y + size * 1.3333334f, u, v - 0.125f, u + 0.125f, v, c);
        x += size * 0.65f;
    }
}

void Sheet(const std::map<std::string, Image>& tex, const std::string& out) {
    const int cell = 272;
    std::vector<std::string> names;
    for (const auto& [name, image] : tex) names.push_back(name);
    const int columns = 6, rows = static_cast<int>((names.size() + columns - 1) / columns);
    Image sheet(columns * cell, rows * cell);
    sheet.Clear({0.16f, 0.16f, 0.18f, 1});
    for (size_t i = 0; i < names.size(); ++i) {
        const Image& t = tex.at(names[i]);
        const int ox = static_cast<int>(i % columns) * cell + 8, oy = static_cast<int>(i / columns) * cell + 8;
        const float scale = 256.0f / std::max(t.Width(), t.Height());
        for (int y = 0; y < 256; ++y)
            for (int x = 0; x < 256; ++x) {
                // Left half on black, right half on light grey.
                const Color ground = x < 128 ? Color{0, 0, 0, 1} : Color{0.75f, 0.75f, 0.75f, 1};
                Color c = ground;
                const int sx = static_cast<int>(x / scale), sy = static_cast<int>(y / scale);
                if (sx < t.Width() && sy < t.Height()) {
                    const Color p = t.Get(sx, sy);
                    c = Mix(ground, With_Alpha(p, 1), p.a);
                }
                sheet.At(ox + x, oy + y) = {c.r, c.g, c.b, 1};
            }
    }
    Write_Png(sheet, out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <texture folder> <out folder>\n", argv[0]);
        return 1;
    }
    const std::string in = std::string(argv[1]) + "/", out = std::string(argv[2]) + "/";
    std::map<std::string, Image> tex;
    for (const char* name : {"font_old.png", "font_new.png", "brick.png", "ground.png", "ground_test.png", "symbol_blue.png",
                             "symbol_green.png", "symbol_orange.png", "symbol_purple.png", "symbol_red.png", "symbol_white.png",
                             "symbol_yellow.png", "menu_footer.png", "menu_intro.png", "menu_medals.png", "menu_text_continue.png",
                             "menu_text_current_level.png", "menu_text_exit.png", "menu_text_high_scores.png",
                             "menu_text_new_game.png", "menu_text_options.png", "menu_text_website.png"}) {
        Image image(1, 1);
        if (!Read_Png(in + name, image)) {
            std::fprintf(stderr, "cannot read %s%s\n", in.c_str(), name);
            return 1;
        }
        tex.emplace(name, std::move(image));
    }
    std::vector<Glyph> glyphs(128);
    {
        std::ifstream list(in + "font_list.txt");
        int code, l, r, b, t;
        while (list >> code >> l >> r >> b >> t)
            if (code >= 0 && code < 128) glyphs[code] = {float(l), float(r), float(b), float(t)};
    }
    Sheet(tex, out + "sheet.png");

    const Image& font = tex.at("font_new.png");
    const float ratio = 16.0f / 15.0f;  // window width / height
    {
        Screen s(1024, 960);
        const Color white{1, 1, 1, 1}, black{0, 0, 0, 1};
        Quad(s, nullptr, 1, 92, 99, 99, 0, 0, 1, 1, {1, 0, 0, 1}, 0.7f);
        struct Panel { float x, y, bottom; const char* heading; } panels[] = {
            {10, 91, 9.4f, "menu_text_current_level.png"}, {56, 91, 23, "menu_text_high_scores.png"}, {56, 66.9f, 19.6f, "menu_text_options.png"}};
        for (const Panel& p : panels) {
            Quad(s, nullptr, p.x + 2, p.y - p.bottom, p.x + 32, p.y - 6, 0, 0, 1, 1, {0.5f, 0.5f, 0.5f, 1});
            Quad(s, &tex.at(p.heading), p.x + 2, p.y - 5.8f, p.x + 21.5f, p.y - 5.8f + 2.2502036f * ratio, 0, 0, 1, 1);
        }
        struct Button { float ax, ay, width; const char* picture; Color colour; float highlight; } buttons[] = {
            {12.1f, 15, 17.0f, "menu_text_new_game.png", {0, 1, 0, 1}, 1.0f}, {38, 15, 14.4f, "menu_text_continue.png", {0, 1, 0, 1}, 0.4f},
            {61.5f, 15, 13.2f, "menu_text_website.png", {0, 0, 1, 1}, 0.0f}, {83.6f, 15, 7.4f, "menu_text_exit.png", {1, 0, 0, 1}, 0.0f}};
        for (const Button& b : buttons) {
            const float x = b.ax - 0.9f;
            Quad(s, nullptr, x, b.ay + 0.25f, x + 0.3f, b.ay + 3.7f - 0.25f, 0, 0, 1, 1, b.colour);
            Quad(s, nullptr, x, b.ay, x + b.width * b.highlight, b.ay + 3.7f, 0, 0, 1, 1, b.colour, 0.5f);
            Quad(s, &tex.at(b.picture), b.ax, b.ay, b.ax + 24.2f, b.ay + 3.0002716f * ratio, 0, 0, 1, 1);
        }
        const float h = 24.564724f * ratio;
        const Image& footer = tex.at("menu_footer.png");
        Quad(s, &footer, 0.3f, 0.3f, 50, h, 1.0f, 1.0f, 0.01f, 0.5f);
        Quad(s, &footer, 50, 0.3f, 99.7f, h, 0.01f, 0.0f, 1.0f, 0.5f);
        Quad(s, nullptr, 48, 34.5f, 49, 35.5f, 0, 0, 1, 1, {0, 1, 0, 1});
        Quad(s, nullptr, 48, 32, 49, 33, 0, 0, 1, 1, {0, 1, 0, 1});
        Quad(s, &tex.at("menu_medals.png"), 28, 32, 33, 37, 0, 0.5f, 0.5f, 1.0f);
        Text(s, font, glyphs, 33.5f, 35, 1.5f, white, false, false, "Gold status");
        Text(s, font, glyphs, 49.6f, 34.9f, 1.5f, white, false, false, "Complete all the levels");
        Text(s, font, glyphs, 49.6f, 32.3f, 1.5f, white, false, false, "Total time under 35 minutes");
        Text(s, font, glyphs, 50, 27.5f, 1.5f, white, true, false, "Total time taken for completed levels:");
        Text(s, font, glyphs, 50, 25, 1.5f, white, true, false, "34 minutes and 12 seconds");
        Text(s, font, glyphs, 27, 91 - 8, 2.0f, black, true, false, "17");
        Text(s, font, glyphs, 14, 91 - 8, 2.0f, white, false, false, "<  <  <");
        Text(s, font, glyphs, 40.2f, 91 - 8, 2.0f, black, false, true, ">  >  >");
        const char* names[] = {"Quillmoor", "Ada", "Rowan", "Tess", "Bjorn"};
        for (int n = 0; n < 5; ++n) {
            const Color c = n == 1 ? white : black;
            Text(s, font, glyphs, 59, 83 - 3.4f * n, 2.0f, c, false, false, names[n]);
            char time[16];
            std::snprintf(time, sizeof time, "%.2f", 23.5 + 4.25 * n);
            Text(s, font, glyphs, 87.2f, 83 - 3.4f * n, 2.0f, c, false, true, time);
        }
        Text(s, font, glyphs, 87.5f, 66.2f, 1.7f, white, false, true, "Select to view replay");
        const char* labels[][2] = {{"Sound", "On"}, {"Camera View", "Side"}, {"Color Blind Symbols", "Off"}, {"Upload High Scores", "On"}};
        for (int r = 0; r < 4; ++r) {
            Text(s, font, glyphs, 59, 66.9f - 8 - 3.4f * r, 2.0f, black, false, false, labels[r][0]);
            Text(s, font, glyphs, 82.7f, 66.9f - 8 - 3.4f * r, 2.0f, black, false, false, labels[r][1]);
        }
        Text(s, font, glyphs, 27, 54, 1.7f, white, true, false, "Remove all hollow bricks");
        Text(s, font, glyphs, 27, 51, 1.7f, white, true, false, "and leave no red discs");
        Write_Png(s.image, out + "menu.png");
    }
    {
        Screen s(1024, 960);
        Quad(s, &tex.at("menu_intro.png"), 30, 30, 70, 70, 0, 0, 1, 1);
        Write_Png(s.image, out + "startup.png");
    }
    {
        Screen s(1024, 960);
        // The tutorial over a box of 70% black on a mid-grey ground.
        Quad(s, nullptr, 0, 60, 100, 100, 0, 0, 1, 1, {0.45f, 0.48f, 0.52f, 1});
        Quad(s, nullptr, 8, 63, 92, 97, 0, 0, 1, 1, {0, 0, 0, 1}, 0.3f);
        const Color white{1, 1, 1, 1};
        const char* lines[][2] = {{"94", "To shoot various colored discs - press <space>."},
                                  {"91", "Rotating can be done by using the left and right arrow keys."},
                                  {"86", "Try shooting some discs and see how they interact depending on color."},
                                  {"83", "[Red + Blue = Purple]  [Red + Yellow = Orange]  [Blue + Yellow = Green]"},
                                  {"77", "+ Bricks that are hollow can be destroyed with purple rings +"},
                                  {"74", "+ Rings can be destroyed with same colored discs +"},
                                  {"69", "Press <enter> to go to level 1."},
                                  {"66", "Press <escape> to get back to the main menu."}};
        for (const auto& l : lines) Text(s, font, glyphs, 50, std::stof(l[0]), 1.8f, white, true, false, l[1]);
        const struct { float x; const char* symbol; } symbols[] = {
            {17.7f, "symbol_red.png"}, {24, "symbol_blue.png"}, {31, "symbol_purple.png"}, {39, "symbol_red.png"}, {46.1f, "symbol_yellow.png"},
            {55, "symbol_orange.png"}, {63.3f, "symbol_blue.png"}, {70.7f, "symbol_yellow.png"}, {78.7f, "symbol_green.png"}};
        for (const auto& sy : symbols) Quad(s, &tex.at(sy.symbol), sy.x, 79.5f, sy.x + 2, 81.5f, 0, 0, 1, 1);
        // Fixed-font read-outs on a ground-like strip, and discs with their symbols.
        Quad(s, &tex.at("ground.png"), 0, 0, 100, 28, 0, 0, 4, 1.2f);
        Fixed_Text(s, tex.at("font_old.png"), 50, 18, 5.0f, white, true, "Level Complete");
        Fixed_Text(s, tex.at("font_old.png"), 6, 4, 4.0f, white, false, "1:30.0");
        Fixed_Text(s, tex.at("font_old.png"), 78, 4, 4.0f, white, false, "045");
        Fixed_Text(s, tex.at("font_old.png"), 30, 9, 2.5f, {1, 1, 0, 1}, false, "(A-Z) 0123456789 :.-@_/<=>,?'\"!");
        const struct { const char* symbol; Color colour; } discs[] = {
            {"symbol_blue.png", {0, 0.5f, 1, 1}}, {"symbol_green.png", {0, 1, 0, 1}}, {"symbol_orange.png", {1, 0.5f, 0, 1}},
            {"symbol_purple.png", {0.8f, 0.4f, 0.7f, 1}}, {"symbol_red.png", {1, 0, 0, 1}}, {"symbol_white.png", {1, 1, 1, 1}},
            {"symbol_yellow.png", {1, 1, 0, 1}}};
        for (int i = 0; i < 7; ++i) {
            const float x = 4 + i * 6.0f, y = 40;
            Quad(s, &tex.at("ground_test.png"), x, y, x + 5, y + 5 * ratio, 0, 0, 1, 1, discs[i].colour);
            Quad(s, &tex.at(discs[i].symbol), x - 0.5f, y - 0.5f * ratio, x + 5.5f, y + 5.5f * ratio, 0, 0, 1, 1, {0, 0, 0, 1});
            Quad(s, &tex.at("brick.png"), 48 + i * 7.0f, 40, 54 + i * 7.0f, 44, 0, 0, 1, 1, discs[i].colour);
        }
        Write_Png(s.image, out + "screens.png");
    }
    return 0;
}
