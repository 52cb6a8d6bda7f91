#include "game/simulation.h"

#include <algorithm>
#include <cmath>

#include "game/collision.h"
#include "game/game_state.h"
#include "game/goals.h"
#include "game/heading.h"
#include "level/field_geometry.h"

namespace {

constexpr float kBrickBreakRate = 2.0f;  // flash life per second: 0.5 s
constexpr float kMergeRate = 4.0f;       // flash life per second: 0.25 s

void Glide_Shooter_Color(GameState& g) {
  ShooterState& s = g.Shooter;
  const float k = s.ShotClock > 1.0f ? 1.0f : s.ShotClock - std::trunc(s.ShotClock);
  s.ShownColor = s.PreviousColor + (s.NextColor - s.PreviousColor) * k;
  g.ShooterBase.Set_Color(s.ShownColor);
  g.ShooterGun.Set_Color(s.ShownColor);
}

void Turn_Shooter(GameState& g, float dt) {
  ShooterState& s = g.Shooter;
  float turn = 0.0f;
  if (g.Keys[VK_LEFT] && s.Angle < field::kAimMax) {
    turn = dt * field::kTurnSpeed;
  } else if (g.Keys[VK_RIGHT] && s.Angle > field::kAimMin) {
    turn = -dt * field::kTurnSpeed;
  }
  if (turn == 0.0f) return;
  g.ShooterGun.Rotate_Z(turn);
  s.Angle += turn;
}

Disc& D(GameState& g, int i) { return g.Discs[static_cast<size_t>(i)]; }

// A planar box around a mesh. A disc whose centre lies farther than its
// radius (plus a margin far above rounding) outside the box cannot touch any
// edge of the mesh, so the exact edge search can be skipped.
struct Box {
  float x0 = 0, y0 = 0, x1 = -1, y1 = -1;  // empty until a point is added
  void Add(float x, float y) {
    if (x0 > x1) {
      x0 = x1 = x;
      y0 = y1 = y;
      return;
    }
    x0 = std::min(x0, x); x1 = std::max(x1, x);
    y0 = std::min(y0, y); y1 = std::max(y1, y);
  }
  bool Near(const Disc& d) const {
    const float reach = d.radius + 0.01f;  // units
    return x0 <= x1 && d.position.x + reach >= x0 && d.position.x - reach <= x1 && d.position.y + reach >= y0 &&
           d.position.y - reach <= y1;
  }
};

Box Mesh_Box(const CKorvidModel& m) {
  Box b;
  for (const ModelPoint& p : m.points) b.Add(p.x, p.y);
  return b;
}

void Contact_Force_Fields(GameState& g, int i) {
  for (int f = 0; f < g.ForceFieldCount && i < g.DiscCount; ++f) {
    ForceField& field = g.ForceFields[static_cast<size_t>(f)];
    Box near;
    near.Add(field.first.x, field.first.y);
    near.Add(field.second.x, field.second.y);
    if (!near.Near(D(g, i))) continue;
    const float h = Heading(Vec3(), D(g, i).velocity);
    if (D(g, i).Disc_Color() == field.Field_Color() && Angle_In_Range(field.PassFrom, field.PassTo, h)) {
      if (Collide_Mesh(D(g, i), field, -1, false)) {
        D(g, i).FieldIndex = f;
        Emit_Sound(g, SOUND_DISC_BRICK);
      }
    } else if (Collide_Mesh(D(g, i), field, -1, true)) {
      Emit_Disc_State(g, i);
      Emit_Sound(g, SOUND_DISC_BRICK);
    }
  }
}

void Contact_Bricks(GameState& g, int i, float dt) {
  for (int b = 0; b < g.BrickCount && i < g.DiscCount; ++b) {
    Brick& brick = g.Bricks[static_cast<size_t>(b)];
    if (!Collide_Spheres(D(g, i), brick, dt, false) || !Collide_Mesh(D(g, i), brick, -1, true)) continue;
    Emit_Disc_State(g, i);
    Emit_Sound(g, SOUND_DISC_BRICK);
    if (D(g, i).IsRing != 1 && brick.IsHollow == 1 && D(g, i).Disc_Color() == colors::kPurple) {
      Start_Effect(g, brick.position.x, brick.position.y, kBrickBreakRate);
      Remove_Disc(g, i);
      Remove_Brick(g, b);
      g.Shooter.Score += g.PointsBrickRemove;
    }
  }
}

void Merge(GameState& g, int i, int j, const Color& result) {
  const Disc& a = D(g, i);
  const Disc& b = D(g, j);
  const Vec3 position = (a.position + b.position) / 2.0f;
  const Vec3 velocity = (a.velocity + b.velocity) / 2.0f;
  Start_Effect(g, position.x, position.y, kMergeRate);
  if (a.IsRing != 1 && b.IsRing != 1) {
    g.Shooter.Score += a.Disc_Color() == b.Disc_Color() ? g.PointsRingSameColor : g.PointsRingDifferentColor;
  } else {
    g.Shooter.Score += g.PointsRingSpecial;
  }
  const int field = a.FieldIndex != -1 ? a.FieldIndex : b.FieldIndex;
  Remove_Disc_Pair(g, i, j);
  Add_Disc(g, position, velocity, result, field, 0);
  Emit_Sound(g, SOUND_DISC_COMBINE);
}

void Contact_Discs(GameState& g, int i, float dt) {
  for (int j = i + 1; j < g.DiscCount; ++j) {
    if (!Collide_Spheres(D(g, i), D(g, j), dt, false)) continue;
    const Disc& a = D(g, i);
    const Disc& b = D(g, j);
    Color result;
    bool mixes = Mix_Colors(g.MixTable, a.Disc_Color(), b.Disc_Color(), result);
    if (a.IsRing == 1 && b.IsRing == 1) mixes = false;
    if ((a.IsRing == 1 || b.IsRing == 1) && a.Disc_Color() != b.Disc_Color()) mixes = false;
    if (mixes) {
      Merge(g, i, j, result);
    } else {
      Collide_Spheres(D(g, i), D(g, j), dt, true);
      Emit_Disc_State(g, i);
      Emit_Disc_State(g, j);
      Emit_Sound(g, SOUND_DISC_DISC);
    }
  }
}

}  // namespace

void Start_Effect(GameState& g, float x, float y, float rate) {
  for (int s = 0; s < kHitEffectCount; ++s) {
    HitEffect& e = g.HitEffects[static_cast<size_t>(s)];
    if (e.active) continue;
    e.active = true;
    e.life = 1.0f;
    e.rate = rate;
    e.x = x;
    e.y = y;
    if (g.Events != nullptr) g.Events->Effect_Started(s, x, y);
    return;
  }
}

void Age_Effects(GameState& g, float dt) {
  for (HitEffect& e : g.HitEffects) {
    if (!e.active) continue;
    e.life -= dt * e.rate;
    if (e.life <= 0.0f) {
      e.active = false;
      e.life = 1.0f;
    }
  }
}

void Game_Step(GameState& g) {
  const float dt = g.Timer.Frame_Time();

  if (g.LevelStatus != LEVEL_COMPLETE) {
    g.LevelTime += dt;
    if (Level_Goals_Met(g)) Complete_Level(g);
  }

  Glide_Shooter_Color(g);
  if (g.Shooter.Angle < field::kAimMin) g.Shooter.Angle = field::kAimMin;
  if (g.Shooter.Angle > field::kAimMax) g.Shooter.Angle = field::kAimMax;
  g.Shooter.ShotClock += dt;
  Turn_Shooter(g, dt);

  for (int i = 0; i < g.DiscCount; ++i) D(g, i).Translate(D(g, i).velocity * dt, false);

  Box shooter = Mesh_Box(g.ShooterBase);
  for (const ModelPoint& p : g.ShooterGun.points) shooter.Add(p.x, p.y);

  // Removals shift later discs down; the counts are read anew at every test,
  // and an index that now holds a shifted disc is not visited again this
  // frame. Every step re-checks i against the count, because the disc at i
  // may have been the one removed.
  for (int i = 0; i < g.DiscCount; ++i) {
    if (Collide_Mesh(D(g, i), g.CollisionModel, -1, true)) {
      Emit_Disc_State(g, i);
      Emit_Sound(g, SOUND_DISC_BRICK);
    }
    Contact_Force_Fields(g, i);
    Contact_Bricks(g, i, dt);
    if (i >= g.DiscCount) break;
    if (shooter.Near(D(g, i)) &&
        (Collide_Mesh(D(g, i), g.ShooterBase, -1, true) || Collide_Mesh(D(g, i), g.ShooterGun, -1, true))) {
      Emit_Disc_State(g, i);
      Emit_Sound(g, SOUND_DISC_BRICK);
    }
    Contact_Discs(g, i, dt);
  }
}
