// Text drawn as textured quads from the two bitmap fonts: the proportional
// font (texture 1, glyph rectangles from the font list) and the fixed 8 x 8
// grid font (texture 0). Neither binds its texture: the caller does.
#include <cstdarg>
#include <cstdio>

#include "engine/gl.h"
#include "engine/log.h"
#include "engine/window.h"
#include "level/resource_file.h"

namespace {

constexpr size_t kMaxText = 255;       // characters of one formatted text
constexpr float kFontPixels = 256.0f;  // the proportional font picture is 256 x 256

// Overlay width of one glyph of the proportional font at a size.
float Glyph_Width(const Glyph& g, float aspect, float size) {
  return aspect * size * 10.0f * (g.right + 1.0f - g.left) / kFontPixels;
}

std::string Format(const char* format, va_list args) {
  char buf[kMaxText + 1];
  std::vsnprintf(buf, sizeof buf, format, args);
  return buf;
}

}  // namespace

bool CKorvidWindow::Font_List_Load(const std::string& path) {
  std::string text;
  if (!Load_Resource_Archive_First(program_folder, "data/textures.pak", path, text)) {
    Log_Write(g_log_stream, 1, "CKorvidWindow::Font_List_Load() :: failed (could not find file [%s])", path.c_str());
    return false;
  }
  Parse_Font_List(text, glyphs_);
  Log_Write(g_log_stream, 0, "CKorvidWindow::Font_List_Load() :: [%s]", path.c_str());
  return true;
}

float CKorvidWindow::Text_Width(const std::string& text, float size) const {
  const float aspect = static_cast<float>(height) / static_cast<float>(width);
  const float spacing = aspect * size * 0.12f;
  float total = 0.0f;
  for (unsigned char c : text) {
    if (c > 127) continue;  // outside the font: skipped
    total += Glyph_Width(glyphs_[c], aspect, size) + spacing;
  }
  return total;
}

void CKorvidWindow::Draw_Text(float x, float y, float size, float r, float g, float b, int centre, int right,
                              const char* format, ...) {
  va_list args;
  va_start(args, format);
  const std::string text = Format(format, args);
  va_end(args);
  const float aspect = static_cast<float>(height) / static_cast<float>(width);
  const float spacing = aspect * size * 0.12f;
  const float total = Text_Width(text, size);
  if (centre == 1) {
    x -= total / 2.0f;
  } else if (right == 1) {
    x -= total;
  }
  // Glyphs are shapes in the picture's alpha: without blending every glyph
  // would show as a solid block, so blending is on while text is drawn and
  // put back as it was afterwards.
  const bool blending = glIsEnabled(GL_BLEND) == GL_TRUE;
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glColor4f(r, g, b, 1.0f);
  glBegin(GL_QUADS);
  for (unsigned char c : text) {
    if (c > 127) continue;
    const Glyph& gl = glyphs_[c];
    const float w = Glyph_Width(gl, aspect, size);
    const float h = size * 10.0f * (gl.bottom + 1.0f - gl.top) / kFontPixels;
    const float uL = gl.left / kFontPixels, uR = (gl.right + 1.0f) / kFontPixels;
    const float vB = (255.0f - gl.bottom) / kFontPixels, vT = (256.0f - gl.top) / kFontPixels;
    glTexCoord2f(uL, vB);
    glVertex3f(x, y - h / 2, 0);
    glTexCoord2f(uR, vB);
    glVertex3f(x + w, y - h / 2, 0);
    glTexCoord2f(uR, vT);
    glVertex3f(x + w, y + h / 2, 0);
    glTexCoord2f(uL, vT);
    glVertex3f(x, y + h / 2, 0);
    x += w + spacing;
  }
  glEnd();
  if (!blending) glDisable(GL_BLEND);
}

void CKorvidWindow::Draw_Text_Fixed(float x, float y, float size, float r, float g, float b, int centre,
                                    const char* format, ...) {
  va_list args;
  va_start(args, format);
  const std::string text = Format(format, args);
  va_end(args);
  const float cell_h = size * 1.3333334f;
  const float advance = size * 0.65f;
  if (centre == 1 && !text.empty()) x -= (size + advance * static_cast<float>(text.size() - 1)) / 2.0f;
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glColor4f(r, g, b, 1.0f);
  glBegin(GL_QUADS);
  for (char c : text) {
    float u = 0, v = 0;
    Glyph_Cell(c, u, v);
    glTexCoord2f(u, v - 0.125f);
    glVertex3f(x, y, 0);
    glTexCoord2f(u + 0.125f, v - 0.125f);
    glVertex3f(x + size, y, 0);
    glTexCoord2f(u + 0.125f, v);
    glVertex3f(x + size, y + cell_h, 0);
    glTexCoord2f(u, v);
    glVertex3f(x, y + cell_h, 0);
    x += advance;
  }
  glEnd();
  glDisable(GL_BLEND);
}
