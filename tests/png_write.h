// Saves the current GL frame buffer (or a part of it) as a PNG, for a person
// to look at what a test drew.
#pragma once

#include <png.h>

#include <string>
#include <vector>

#include "engine/gl.h"

inline bool Save_Frame_Png(const std::string& path, int width, int height) {
  std::vector<unsigned char> rgba(static_cast<size_t>(width) * height * 4);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(width);
  image.height = static_cast<png_uint_32>(height);
  image.format = PNG_FORMAT_RGBA;
  // GL's first row is the bottom one: a negative stride writes it last.
  return png_image_write_to_file(&image, path.c_str(), 0, rgba.data(), -width * 4, nullptr) != 0;
}

struct Pixel {
  int r, g, b;
};

inline Pixel Read_Pixel(int x, int y) {
  unsigned char p[4] = {};
  glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p);
  return {p[0], p[1], p[2]};
}
