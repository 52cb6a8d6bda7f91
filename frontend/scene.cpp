#include "frontend/scene.h"

#include <cmath>

#include "engine/gl.h"
#include "frontend/game.h"
#include "frontend/hud.h"
#include "frontend/model_draw.h"
#include "game/colors.h"

namespace {

constexpr int kBrickTexture = 2;
constexpr int kGroundTexture = 3;
constexpr int kDiscTexture = 4;
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
void Draw_Field_Halves(Game& game, int first) {
  GameState& g = game.g;
  for (int f = 0; f < g.ForceFieldCount; ++f) {
    const ForceField& field = g.ForceFields[static_cast<size_t>(f)];
    Draw_Model_Range(game.window, field, first, first + 1, true, g.ColorBlindSymbols == 1 ? -1 : kGroundTexture);
  }
}

void Draw_Symbols(Game& game) {
  GameState& g = game.g;
  if (g.ColorBlindSymbols != 1) return;
  const Color next = g.Shooter.NextColor;
  const int plate = Symbol_Texture_Slot(next);
  const int n = g.ShooterGun.Triangle_Count();
  if (plate >= 0 && n >= 2) {
    CKorvidModel& gun = g.ShooterGun;
    for (int p = 8; p <= 11 && p < gun.Point_Count(); ++p) gun.points[static_cast<size_t>(p)].Set_Color(Color());
    Draw_Model_Range(game.window, gun, n - 2, n - 1, true, plate);
  }
  for (int i = 0; i < g.DiscCount; ++i) {
    const Disc& d = g.Discs[static_cast<size_t>(i)];
    const int slot = Symbol_Texture_Slot(d.Disc_Color());
    if (slot < 0) continue;
    const float x = d.position.x, y = d.position.y;
    game.window.Draw_Rect(slot, x - kSymbolHalf, y - kSymbolHalf, x + kSymbolHalf, y + kSymbolHalf, 0, 0, 0, 0.0f,
                          kSymbolHeight);
  }
}

}  // namespace

void Draw_Play_Field(Game& game) {
  GameState& g = game.g;
  CKorvidWindow& w = game.window;
  std::vector<float>& batch = game.scene.batch;
  batch.resize(static_cast<size_t>(kBatchVertexCapacity) * kBatchFloatsPerVertex);

  glEnable(GL_CULL_FACE);
  Set_Up_Light();
  int n = 0;
  for (int i = 0; i < g.BrickCount; ++i) n = g.Bricks[static_cast<size_t>(i)].Fill_Array(n, batch.data(), -1);
  for (int i = 0; i < g.WallCount; ++i) n = g.Walls[static_cast<size_t>(i)].Fill_Array(n, batch.data(), -1);
  n = g.ShooterBase.Fill_Array(n, batch.data(), -1);
  w.Bind_Texture(kBrickTexture);
  Draw_Batch(batch.data(), n);

  w.Bind_Texture(kDiscTexture);
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
  Draw_Field_Halves(game, 2);
  g.GroundModel.Set_Color(colors::kWhite);
  for (ModelTriangle& t : g.GroundModel.triangles) t.texture = kGroundTexture;
  Draw_Model_Range(w, g.GroundModel, 0, g.GroundModel.Triangle_Count() - 1, true);
  Draw_Field_Halves(game, 0);
}

void Draw_Scene(Game& game, bool preview) {
  GameState& g = game.g;
  Camera_Set_Target(g.Camera, g.CameraView);
  Camera_Update(g.Camera, g.Timer.Frame_Time());
  Apply_Camera(g.Camera);
  if (!preview) Draw_Readouts(game);
  Draw_Play_Field(game);
  Draw_Symbols(game);
  if (preview) return;
  glGetDoublev(GL_MODELVIEW_MATRIX, game.scene.modelview);
  glGetDoublev(GL_PROJECTION_MATRIX, game.scene.projection);
  glGetIntegerv(GL_VIEWPORT, game.scene.viewport);
  Draw_Overlays(game);
}

void Create_Effect_Textures(Game& game) {
  for (unsigned int& tex : game.scene.effect_textures) {
    glGenTextures(1, &tex);
    glBindTexture(GL_TEXTURE_2D, tex);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, kEffectSize, kEffectSize, 0, GL_RGB, GL_UNSIGNED_BYTE, nullptr);
  }
  game.window.current_texture = -1;
}

void Capture_Effect(Game& game, int slot, float x, float y) {
  SceneState& s = game.scene;
  if (slot < 0 || slot >= kHitEffectCount || s.effect_textures[static_cast<size_t>(slot)] == 0) return;
  double wx = 0, wy = 0, wz = 0;
  if (gluProject(x, y, 0, s.modelview, s.projection, s.viewport, &wx, &wy, &wz) != GL_TRUE) return;
  const float width = static_cast<float>(game.window.width);
  const int left = static_cast<int>(static_cast<float>(wx) - width / (x / 20.0f + 20.0f));
  const int bottom = static_cast<int>(static_cast<float>(wy) - width / (y / 10.0f + 19.5f));
  glBindTexture(GL_TEXTURE_2D, s.effect_textures[static_cast<size_t>(slot)]);
  glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, left, bottom, kEffectSize, kEffectSize);
  game.window.current_texture = -1;
  s.effect_window_x[static_cast<size_t>(slot)] = static_cast<float>(wx);
  s.effect_window_y[static_cast<size_t>(slot)] = static_cast<float>(wy);
}

void Draw_Hit_Effects(Game& game) {
  GameState& g = game.g;
  CKorvidWindow& w = game.window;
  w.GL_Begin_2D(-1);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  const float tex = static_cast<float>(w.width) / 1280.0f;
  for (int i = 0; i < kHitEffectCount; ++i) {
    const HitEffect& e = g.HitEffects[static_cast<size_t>(i)];
    if (!e.active) continue;
    const float cx = game.scene.effect_window_x[static_cast<size_t>(i)] / static_cast<float>(w.width) * 100.0f;
    const float cy = game.scene.effect_window_y[static_cast<size_t>(i)] / static_cast<float>(w.height) * 100.0f;
    const float h = kEffectQuad / 2.0f;
    glBindTexture(GL_TEXTURE_2D, game.scene.effect_textures[static_cast<size_t>(i)]);
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
