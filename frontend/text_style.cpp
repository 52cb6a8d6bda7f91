#include "frontend/text_style.h"

#include <cstdarg>
#include <cstdio>

#include "engine/window.h"

void Draw_Label(CKorvidWindow& w, float x, float y, const TextStyle& s, const char* format, ...) {
  char text[256];
  va_list args;
  va_start(args, format);
  std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  w.Draw_Text(x, y, s.size, s.r, s.g, s.b, s.align == Align::CENTRE ? 1 : 0, s.align == Align::RIGHT ? 1 : 0, "%s",
              text);
}
