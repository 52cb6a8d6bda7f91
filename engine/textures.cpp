// The window's texture table: pictures decoded from PNG with libpng, turned
// bottom-up (OpenGL's first row is the bottom one) and uploaded as BGRA.
// Table index i of the start-up list is the i-th texture the context makes.
#include <png.h>

#include <cstring>

#include "engine/gl.h"
#include "engine/log.h"
#include "engine/window.h"
#include "level/png_check.h"
#include "level/resource_file.h"

namespace {
constexpr const char* kTextureArchive = "data/textures.pak";
}

int CKorvidWindow::Texture_Load(const std::string& path, int index) {
  std::string bytes;
  if (!Load_Resource_Archive_First(program_folder, kTextureArchive, path, bytes)) {
    Log_Write(g_log_stream, 1, "CKorvidWindow::Texture_Load() :: failed (could not find file [%i][%s])", index,
              path.c_str());
    return -1;
  }
  current_texture = -1;
  const int count = Texture_Count();
  if (index == -1) {
    for (int i = 0; i < count; ++i) {
      if (textures_[static_cast<size_t>(i)].name == path) return i;
    }
    index = count;
  }
  if (index < 0 || index > count) {
    Log_Write(g_log_stream, 1,
              "CKorvidWindow::Texture_Load() :: failed (could not load texture into index [%i of %i total])", index,
              count);
    return -1;
  }
  const bool appended = index == count;
  if (appended) textures_.push_back({path, 0});
  if (!Decode_And_Upload(bytes, path, index)) {
    if (appended) textures_.pop_back();
    Log_Write(g_log_stream, 1, "CKorvidWindow::Texture_Load() :: failed (could not load texture [%i][%s])", index,
              path.c_str());
    return -1;
  }
  textures_[static_cast<size_t>(index)].name = path;
  return index;
}

bool CKorvidWindow::Decode_And_Upload(const std::string& bytes, const std::string& path, int index) {
  std::string why;
  if (!Png_Structure_Plausible(bytes, why)) {
    Log_Write(g_log_stream, 1, "CKorvidWindow::Texture_Load() :: failed ([%i][%s] %s)", index, path.c_str(),
              why.c_str());
    return false;
  }
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  std::vector<unsigned char> pixels;
  if (png_image_begin_read_from_memory(&image, bytes.data(), bytes.size()) && image.width <= kMaxPictureSide &&
      image.height <= kMaxPictureSide) {
    image.format = PNG_FORMAT_BGRA;
    pixels.resize(PNG_IMAGE_SIZE(image));
    // A negative row stride stores the picture bottom row first.
    const png_int_32 stride = -static_cast<png_int_32>(PNG_IMAGE_ROW_STRIDE(image));
    if (!png_image_finish_read(&image, nullptr, pixels.data(), stride, nullptr)) {
      image.width = image.height = 0;
    }
  }
  png_image_free(&image);
  const int w = static_cast<int>(image.width), h = static_cast<int>(image.height);
  if (w < 1 || h < 1) {
    Log_Write(g_log_stream, 1, "CKorvidWindow::Texture_Load() :: failed ([%i][%ix%i][%s])", index, w, h,
              path.c_str());
    return false;
  }
  TextureEntry& e = textures_[static_cast<size_t>(index)];
  if (e.gl_name != 0) glDeleteTextures(1, &e.gl_name);
  glGenTextures(1, &e.gl_name);
  glBindTexture(GL_TEXTURE_2D, e.gl_name);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, w, h, 0, GL_BGRA_EXT, GL_UNSIGNED_BYTE, pixels.data());
  current_texture = index;
  Log_Write(g_log_stream, 0, "CKorvidWindow::Texture_Load() :: [%i][%ix%i][%s]", index, w, h, path.c_str());
  return true;
}

unsigned int CKorvidWindow::Texture_Get_Data(int index) const {
  if (index < 0 || index >= Texture_Count()) {
    Log_Write(g_log_stream, 1, "CKorvidWindow::Texture_Get_Data() :: failed (tried to access %i of %i)", index,
              Texture_Count());
    return 0;
  }
  return textures_[static_cast<size_t>(index)].gl_name;
}

void CKorvidWindow::Texture_Remove(int index) {
  if (index < 0 || index >= Texture_Count()) return;
  TextureEntry& e = textures_[static_cast<size_t>(index)];
  glDeleteTextures(1, &e.gl_name);
  Log_Write(g_log_stream, 0, "CKorvidWindow::Texture_Remove() :: [%s]", e.name.c_str());
  textures_.erase(textures_.begin() + index);
  if (current_texture >= Texture_Count()) current_texture = -1;
}

void CKorvidWindow::Bind_Texture(int index) {
  if (index < 0 || index >= Texture_Count()) return;
  glBindTexture(GL_TEXTURE_2D, Texture_Get_Data(index));
  current_texture = index;
}
