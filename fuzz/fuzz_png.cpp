// Pictures: the structure check, then libpng's decode exactly as the
// texture loader asks for it (BGRA, bottom row first), for what passes.
#include <png.h>

#include <cstring>
#include <vector>

#include "fuzz_input.h"
#include "level/png_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes = Input_Text(data, size);
  std::string why;
  if (!Png_Structure_Plausible(bytes, why)) return 0;
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (png_image_begin_read_from_memory(&image, bytes.data(), bytes.size()) && image.width <= kMaxPictureSide &&
      image.height <= kMaxPictureSide) {
    image.format = PNG_FORMAT_BGRA;
    std::vector<unsigned char> pixels(PNG_IMAGE_SIZE(image));
    png_image_finish_read(&image, nullptr, pixels.data(), -static_cast<png_int_32>(PNG_IMAGE_ROW_STRIDE(image)),
                          nullptr);
  }
  png_image_free(&image);
  return 0;
}
