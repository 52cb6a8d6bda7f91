#include "game/objects.h"

#include <utility>

#include "game/game_state.h"
#include "game/heading.h"

void Emit_Event(GameState& g, const ReplayEvent& e) {
  if (g.Events == nullptr) return;
  ReplayEvent stamped = e;
  stamped.time = g.LevelTime;
  stamped.playing = g.LevelStatus == LEVEL_PLAYING;
  g.Events->Record_Event(stamped);
}

void Emit_Sound(GameState& g, int channel) {
  if (g.Events != nullptr) g.Events->Play_Sound(channel);
}

void Emit_Disc_State(GameState& g, int disc) {
  const Disc& d = g.Discs[static_cast<size_t>(disc)];
  ReplayEvent e;
  e.type = EVENT_DISC_STATE;
  e.arg = disc;
  e.position = d.position;
  e.velocity = d.velocity;
  Emit_Event(g, e);
}

void Lower_Base(CKorvidModel& m, float z) {
  for (ModelPoint& p : m.points) {
    if (p.z == 0.0f) p.z = z;
  }
}

void Add_Disc(GameState& g, const Vec3& position, const Vec3& velocity, const Color& color,
              int field_index, int is_ring) {
  if (g.DiscCount >= kMaxDiscs) return;
  Disc& d = g.Discs[static_cast<size_t>(g.DiscCount)];
  static_cast<CKorvidModel&>(d) = is_ring == 1 ? g.RingTemplate : g.DiscTemplate;
  d.FieldIndex = field_index;
  d.IsRing = is_ring;
  d.position = position;
  d.previous_position = position;
  d.radius = kDiscRadius;
  d.velocity = velocity;
  d.Set_Color(color);
  Lower_Base(d, kDiscLowerZ);

  ReplayEvent e;
  e.type = EVENT_DISC_CREATED;
  e.arg = is_ring;
  e.position = position;
  e.velocity = velocity;
  e.color = color;
  Emit_Event(g, e);
  ++g.DiscCount;
}

void Remove_Disc(GameState& g, int index) {
  if (index < 0 || index >= g.DiscCount) return;
  for (int i = index; i + 1 < g.DiscCount; ++i) {
    g.Discs[static_cast<size_t>(i)] = std::move(g.Discs[static_cast<size_t>(i + 1)]);
  }
  ReplayEvent e;
  e.type = EVENT_DISC_REMOVED;
  e.arg = index;
  Emit_Event(g, e);
  --g.DiscCount;
}

void Remove_Disc_Pair(GameState& g, int a, int b) {
  if (a < b) std::swap(a, b);
  Remove_Disc(g, a);
  Remove_Disc(g, b);
}

void Add_Brick(GameState& g, const Vec3& position, float angle_degrees, int is_hollow, int lower) {
  if (g.BrickCount >= kMaxBricks) return;
  Brick& b = g.Bricks[static_cast<size_t>(g.BrickCount)];
  static_cast<CKorvidModel&>(b) = is_hollow == 1 ? g.HollowBrickTemplate : g.BrickTemplate;
  b.IsHollow = is_hollow == 1 ? 1 : 0;
  b.position = Vec3();
  b.pivot = Vec3();
  b.Translate(position, true);
  b.Rotate_Z(angle_degrees);
  b.position = position;
  b.previous_position = position;
  b.velocity = Vec3();
  if (lower != 0) Lower_Base(b, kBrickLowerZ);
  if (b.IsHollow) b.Set_Color(colors::kHollowBrick);
  ++g.BrickCount;
}

void Remove_Brick(GameState& g, int index) {
  if (index < 0 || index >= g.BrickCount) return;
  for (int i = index; i + 1 < g.BrickCount; ++i) {
    g.Bricks[static_cast<size_t>(i)] = std::move(g.Bricks[static_cast<size_t>(i + 1)]);
  }
  ReplayEvent e;
  e.type = EVENT_BRICK_REMOVED;
  e.arg = index;
  Emit_Event(g, e);
  --g.BrickCount;
}

void Add_Force_Field(GameState& g, const Vec3& first, const Vec3& second, const Color& color) {
  if (g.ForceFieldCount >= kMaxForceFields) return;
  ForceField& f = g.ForceFields[static_cast<size_t>(g.ForceFieldCount)];
  f = ForceField();
  const float h = kForceFieldHalfHeight;
  const int top1 = f.Add_Point({first.x, first.y, h}, true);
  const int top2 = f.Add_Point({second.x, second.y, h}, true);
  const int mid2 = f.Add_Point({second.x, second.y, 0.0f}, true);
  const int mid1 = f.Add_Point({first.x, first.y, 0.0f}, true);
  const int low1 = f.Add_Point({first.x, first.y, -h}, true);
  const int low2 = f.Add_Point({second.x, second.y, -h}, true);
  // Triangles 0 and 1 are the upper half of the strip, 2 and 3 the lower;
  // the drawing blends one half before the see-through ground, one after.
  f.Add_Triangle(top1, top2, mid2);
  f.Add_Triangle(top1, mid2, mid1);
  f.Add_Triangle(mid1, mid2, low2);
  f.Add_Triangle(mid1, low2, low1);
  f.Set_Color(color);
  const int slot = Force_Field_Texture_Slot(color);
  for (ModelTriangle& t : f.triangles) t.texture = slot;
  f.Set_Transparency(kForceFieldTransparency, -1);
  f.Compute_Geometry();
  f.Compute_Radius();
  f.first = Vec3(first.x, first.y, 0.0f);
  f.second = Vec3(second.x, second.y, 0.0f);
  f.PassFrom = Heading(first, second);
  f.PassTo = Heading(second, first);
  ++g.ForceFieldCount;
}
