#include "frontend/scene.h"

#include <cmath>

#include "engine/gl.h"
#include "frontend/game.h"
#include "frontend/hud.h"
#include "frontend/model_draw.h"
#include "frontend/texture_slots.h"
#include "engine/view_transform.h"
#include "game/colors.h"

namespace {

constexpr int kEffectSize = 128;          // pixels of a flash picture
constexpr float kEffectQuad = 10.0f;      // overlay units
constexpr float kSymbolHalf = 1.8f;       // units: half the side of a disc symbol
constexpr float kSymbolHeight = 1.0f;     // units above the play plane

void Apply_Camera(const Camera& c) {
  glLoadIdentity();
  glTranslatef(c.translation.x, c.translation.y, c.translation.z);
  glRotatef(c.rotation.x, 1, 0, 0);
  glRotatef(c.rotation.z, 0, 0, 1);
}

void Set_Up_Light() {
  const float position[4] = {0, 100, 100, 1};
  const float ambient[4] = {0.4f, 0.4f, 0.4f, 1};
  const float bright[4] = {1, 1, 1, 1};
  glLightfv(GL_LIGHT0, GL_POSITION, position);
  glLightfv(GL_LIGHT0, GL_AMBIENT, ambient);
  glLightfv(GL_LIGHT0, GL_DIFFUSE, bright);
  glLightfv(GL_LIGHT0, GL_SPECULAR, bright);
  glEnable(GL_LIGHTING);
  glEnable(GL_LIGHT0);
  glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
  glEnable(GL_COLOR_MATERIAL);
}

// One half of every force field (triangles first and first + 1). Without the
// colour-blind symbols every field shows the plain ground picture.
void Draw_Field_Halves(const GameState& g, Canvas& c, int first) {
  for (int f = 0; f < g.ForceFieldCount; ++f) {
    const ForceField& field = g.ForceFields[static_cast<size_t>(f)];
    Draw_Model_Range(c.w, field, first, first + 1, true, g.ColorBlindSymbols == 1 ? -1 : TEX_GROUND);
  }
}

void Draw_Symbols(const GameState& g, Canvas& c) {
  if (g.ColorBlindSymbols != 1) return;
  const Color next = g.Shooter.NextColor;
  const int plate = Symbol_Texture_Slot(next);
  const int n = g.ShooterGun.Triangle_Count();
  if (plate >= 0 && n >= 2) {
    // The two symbol plates (the gun's last faces) show the symbol on black.
    const Color black;
    Draw_Model_Range(c.w, g.ShooterGun, n - 2, n - 1, true, plate, &black);
  }
  for (int i = 0; i < g.DiscCount; ++i) {
    const Disc& d = g.Discs[static_cast<size_t>(i)];
    const int slot = Symbol_Texture_Slot(d.Disc_Color());
    if (slot < 0) continue;
    const float x = d.position.x, y = d.position.y;
    c.w.Draw_Rect(slot, x - kSymbolHalf, y - kSymbolHalf, x + kSymbolHalf, y + kSymbolHalf, 0, 0, 0, 0.0f,
                          kSymbolHeight);
  }
}

}  // namespace

void Draw_Play_Field(const GameState& g, Canvas& c) {
  CKorvidWindow& w = c.w;
  std::vector<float>& batch = c.gl.batch;
  batch.resize(static_cast<size_t>(kBatchVertexCapacity) * kBatchFloatsPerVertex);

  glEnable(GL_CULL_FACE);
  Set_Up_Light();
  int n = 0;
  for (int i = 0; i < g.BrickCount; ++i) n = g.Bricks[static_cast<size_t>(i)].Fill_Array(n, batch.data(), -1);
  for (int i = 0; i < g.WallCount; ++i) n = g.Walls[static_cast<size_t>(i)].Fill_Array(n, batch.data(), -1);
  n = g.ShooterBase.Fill_Array(n, batch.data(), -1);
  w.Bind_Texture(TEX_BRICK);
  Draw_Batch(batch.data(), n);

  w.Bind_Texture(TEX_DISC);
  for (int i = 0; i < g.DiscCount; ++i) {
    const Disc& d = g.Discs[static_cast<size_t>(i)];
    glPushMatrix();
    glTranslatef(d.position.x, d.position.y, d.position.z);
    Draw_Batch(batch.data(), d.Fill_Array(0, batch.data(), -1));
    glPopMatrix();
  }
  glDisable(GL_LIGHTING);
  glDisable(GL_CULL_FACE);

  Draw_Model_Range(w, g.ShooterGun, 0, g.ShooterGun.Triangle_Count() - 3, true);
  Draw_Field_Halves(g, c, 2);
  const Color white = colors::kWhite;
  Draw_Model_Range(w, g.GroundModel, 0, g.GroundModel.Triangle_Count() - 1, true, TEX_GROUND, &white);
  Draw_Field_Halves(g, c, 0);
}

void Glide_Camera(GameState& g, float dt) {
  Camera_Set_Target(g.Camera, g.CameraView);
  Camera_Update(g.Camera, dt);
}

void Draw_Scene(const GameState& g, Canvas& c, SceneKind kind) {
  Apply_Camera(g.Camera);
  if (kind == SceneKind::PLAY) Draw_Readouts(g, c);
  if (kind == SceneKind::REPLAY) Draw_Replay_Readouts(g, c);
  Draw_Play_Field(g, c);
  Draw_Symbols(g, c);
  if (kind == SceneKind::PLAY) Draw_Overlays(g, c);
  if (kind == SceneKind::REPLAY) Draw_Replay_Overlays(g, c);
}

void Create_Effect_Textures(Game& game) {
  for (unsigned int& tex : game.gl.effect_textures) {
    glGenTextures(1, &tex);
    glBindTexture(GL_TEXTURE_2D, tex);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, kEffectSize, kEffectSize, 0, GL_RGB, GL_UNSIGNED_BYTE, nullptr);
  }
  game.window.current_texture = -1;
}

void Capture_Effect(Game& game, int slot, float x, float y) {
  GlScene& s = game.gl;
  if (slot < 0 || slot >= kHitEffectCount || s.effect_textures[static_cast<size_t>(slot)] == 0) return;
  double wx = 0, wy = 0;
  const ViewTransform view = Scene_View(game.g.Camera, game.window.width, game.window.height);
  if (!Project(view, x, y, 0, wx, wy)) return;
  const float width = static_cast<float>(game.window.width);
  const int left = static_cast<int>(static_cast<float>(wx) - width / (x / 20.0f + 20.0f));
  const int bottom = static_cast<int>(static_cast<float>(wy) - width / (y / 10.0f + 19.5f));
  glBindTexture(GL_TEXTURE_2D, s.effect_textures[static_cast<size_t>(slot)]);
  glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, left, bottom, kEffectSize, kEffectSize);
  game.window.current_texture = -1;
  s.effect_window_x[static_cast<size_t>(slot)] = static_cast<float>(wx);
  s.effect_window_y[static_cast<size_t>(slot)] = static_cast<float>(wy);
}

void Draw_Hit_Effects(const GameState& g, Canvas& c) {
  CKorvidWindow& w = c.w;
  w.GL_Begin_2D(-1);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  const float tex = static_cast<float>(w.width) / 1280.0f;
  for (int i = 0; i < kHitEffectCount; ++i) {
    const HitEffect& e = g.HitEffects[static_cast<size_t>(i)];
    if (!e.active) continue;
    const float cx = c.gl.effect_window_x[static_cast<size_t>(i)] / static_cast<float>(w.width) * 100.0f;
    const float cy = c.gl.effect_window_y[static_cast<size_t>(i)] / static_cast<float>(w.height) * 100.0f;
    const float h = kEffectQuad / 2.0f;
    glBindTexture(GL_TEXTURE_2D, c.gl.effect_textures[static_cast<size_t>(i)]);
    glColor4f(1, 1, 1, e.life);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex3f(cx - h, cy - h, 1);
    glTexCoord2f(tex, 0);
    glVertex3f(cx + h, cy - h, 1);
    glTexCoord2f(tex, tex);
    glVertex3f(cx + h, cy + h, 1);
    glTexCoord2f(0, tex);
    glVertex3f(cx - h, cy + h, 1);
    glEnd();
  }
  w.current_texture = -1;
  w.GL_End_2D();
}
