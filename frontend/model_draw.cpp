#include "frontend/model_draw.h"

#include "engine/gl.h"
#include "engine/window.h"
#include "game/model.h"

void Draw_Model_Range(CKorvidWindow& w, const CKorvidModel& m, int first, int last, bool textured,
                      int slot_override, const Vec3* tint) {
  if (first < 0) first = 0;
  if (last >= m.Triangle_Count()) last = m.Triangle_Count() - 1;
  if (first > last) return;
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  if (!textured) glDisable(GL_TEXTURE_2D);
  bool open = false;
  for (int i = first; i <= last; ++i) {
    const ModelTriangle& t = m.triangles[static_cast<size_t>(i)];
    const int slot = slot_override >= 0 ? slot_override : t.texture;
    // A triangle without a slot keeps the texture already bound.
    if (textured && slot >= 0 && slot != w.current_texture) {
      if (open) glEnd();
      open = false;
      w.Bind_Texture(slot);
    }
    if (!open) {
      glBegin(GL_TRIANGLES);
      open = true;
    }
    glNormal3f(t.normal.x, t.normal.y, t.normal.z);
    for (int k = 0; k < 3; ++k) {
      const ModelPoint& p = m.points[static_cast<size_t>(t.corners[k])];
      if (tint != nullptr) {
        glColor4f(tint->x, tint->y, tint->z, 1.0f - t.transparency);
      } else {
        glColor4f(p.r, p.g, p.b, 1.0f - t.transparency);
      }
      if (textured) glTexCoord2f(t.uv[k][0], t.uv[k][1]);
      glVertex3f(p.x, p.y, p.z);
    }
  }
  if (open) glEnd();
  if (!textured) glEnable(GL_TEXTURE_2D);
  glDisable(GL_BLEND);
}

void Draw_Batch(const float* buffer, int vertices) {
  if (vertices <= 0) return;
  glInterleavedArrays(GL_T2F_C4F_N3F_V3F, 0, buffer);
  glDrawArrays(GL_TRIANGLES, 0, vertices);
  glDisableClientState(GL_TEXTURE_COORD_ARRAY);
  glDisableClientState(GL_COLOR_ARRAY);
  glDisableClientState(GL_NORMAL_ARRAY);
  glDisableClientState(GL_VERTEX_ARRAY);
}
