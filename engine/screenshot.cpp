#include "engine/screenshot.h"

#include <png.h>

#include <vector>

#include "engine/gl.h"
#include "engine/log.h"

bool Save_Frame_Png(const std::string& path, int width, int height) {
  if (width <= 0 || height <= 0) return false;
  // RGB only: the frame buffer's alpha is what blending left there, not a
  // see-through picture.
  std::vector<unsigned char> rgb(static_cast<size_t>(width) * static_cast<size_t>(height) * 3);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(width);
  image.height = static_cast<png_uint_32>(height);
  image.format = PNG_FORMAT_RGB;
  // GL's first row is the bottom one: a negative stride writes it last.
  if (png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), -width * 3, nullptr) == 0) {
    Log_Write(g_log_stream, 1, "Save_Frame_Png() :: failed (could not write [%s])", path.c_str());
    return false;
  }
  return true;
}
