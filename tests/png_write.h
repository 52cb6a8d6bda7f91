// Reading back what a test drew; Save_Frame_Png keeps a picture of it for a
// person to look at.
#pragma once

#include <string>

#include "engine/gl.h"
#include "engine/screenshot.h"

struct Pixel {
  int r, g, b;
};

inline Pixel Read_Pixel(int x, int y) {
  unsigned char p[4] = {};
  glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p);
  return {p[0], p[1], p[2]};
}
