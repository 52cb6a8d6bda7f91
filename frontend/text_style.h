// How a line of overlay text looks: its size, colour and alignment, named
// once, so that a drawing call reads as what it shows rather than as a row
// of numbers. Texts use the proportional font, which the caller binds.
#pragma once

class CKorvidWindow;

enum class Align { LEFT, CENTRE, RIGHT };

struct TextStyle {
  float size = 2.0f;
  float r = 1.0f, g = 1.0f, b = 1.0f;
  Align align = Align::LEFT;
};

// White, or a grey level (0 black .. 1 white), at a size and alignment.
constexpr TextStyle White(float size, Align align = Align::LEFT) { return {size, 1, 1, 1, align}; }
constexpr TextStyle Grey(float level, float size, Align align = Align::LEFT) {
  return {size, level, level, level, align};
}

void Draw_Label(CKorvidWindow& w, float x, float y, const TextStyle& s, const char* format, ...)
    __attribute__((format(printf, 5, 6)));
