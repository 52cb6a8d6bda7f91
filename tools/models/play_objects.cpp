// Bricks, discs and rings; see play_objects.h.
#include "play_objects.h"

#include <vector>

#include "level/field_geometry.h"
#include "shape_tools.h"

namespace models {

namespace {

// Width of the slanted strip along a solid brick's top edges.
constexpr double kBrickBevel = 0.25;  // units
// The hollow brick is a tray: its inner walls slope from the top edge down to
// a floor inset by these widths at its short ends and long sides, so from
// above it shows a shaded frame around a sunken floor.
constexpr double kHollowEndInset = 0.8;   // units
constexpr double kHollowSideInset = 0.6;  // units
// Height of that floor, 1.1 below the rim: deep enough to read as hollow,
// shallow enough that the tilted camera still sees the floor catch the
// light. It stays above the 0.1-unit band that collisions read, so the tray
// adds no collision edges.
constexpr double kHollowFloor = 0.9;  // units
// Brick texture: one repeat every this many units, square texels. The brick
// length is a whole number of repeats, so wall pieces laid end to end match.
constexpr double kBrickTextureScale = 2.0;  // units per texture width

constexpr int kDiscSides = 32;
// Disc texture: repeats around the rim; the top shows the texture once.
constexpr double kDiscSideRepeats = 4.0;
constexpr double kDiscTopScale = 2.0 * field::kDiscRadius;  // units per texture width

// The colour-blind symbol is drawn 1.0 unit above the play plane over each
// disc; disc tops stay below it so the symbol is never hidden.
constexpr double kSymbolHeight = 1.0;  // units

Outline rectangle(double half_x, double half_y) {
  return {{-half_x, -half_y, 0.0}, {half_x, -half_y, 0.0}, {half_x, half_y, 0.0}, {-half_x, half_y, 0.0}};
}

}  // namespace

Mesh make_solid_brick() {
  Mesh mesh;
  const double hx = field::kBrickLength / 2.0;
  const double hy = field::kBrickWidth / 2.0;
  const double top = field::kBrickHeight;
  const std::vector<int> bottom = add_ring(mesh, rectangle(hx, hy), 0.0);
  const std::vector<int> shoulder = add_ring(mesh, rectangle(hx, hy), top - kBrickBevel);
  const std::vector<int> crown = add_ring(mesh, rectangle(hx - kBrickBevel, hy - kBrickBevel), top);
  add_band(mesh, bottom, shoulder, kBrickTextureScale);
  add_band(mesh, shoulder, crown, kBrickTextureScale);
  add_cap(mesh, crown, true, kBrickTextureScale);
  // No bottom face: it sits below the ground and would be culled anyway.
  return mesh;
}

Mesh make_hollow_brick() {
  Mesh mesh;
  const double hx = field::kBrickLength / 2.0;
  const double hy = field::kBrickWidth / 2.0;
  const Outline outer = rectangle(hx, hy);
  const std::vector<int> bottom = add_ring(mesh, outer, 0.0);
  const std::vector<int> rim = add_ring(mesh, outer, field::kBrickHeight);
  const std::vector<int> tray_floor =
      add_ring(mesh, rectangle(hx - kHollowEndInset, hy - kHollowSideInset), kHollowFloor);
  add_band(mesh, bottom, rim, kBrickTextureScale);
  add_band(mesh, tray_floor, rim, kBrickTextureScale, false);
  add_cap(mesh, tray_floor, true, kBrickTextureScale);
  // 18 triangles, as the solid brick: a level full of hollow bricks still
  // fits the game's batch of lit triangles.
  return mesh;
}

Mesh make_plain_disc() {
  constexpr double kDomeTop = 0.96;  // units
  static_assert(kDomeTop < kSymbolHeight);
  Mesh mesh;
  const double r = field::kDiscRadius;
  // Straight side up to 0.75, a rounded lip, then a low dome.
  add_revolved(mesh, {{r, 0.0}, {r, 0.75}, {r - 0.1, 0.84}, {0.85, 0.92}, {0.0, kDomeTop}}, kDiscSides,
               kDiscSideRepeats, kDiscTopScale);
  return mesh;
}

Mesh make_ring() {
  constexpr double kCrownTop = 0.76;   // units
  constexpr double kHoleRadius = 0.8;  // units: wide enough to read as a ring from above
  static_assert(kCrownTop < kSymbolHeight);
  Mesh mesh;
  const double r = field::kDiscRadius;
  // A rounded band around the hole: outer wall, crown, inner wall.
  add_revolved(mesh,
               {{r, 0.0},
                {r, 0.45},
                {r - 0.1, 0.66},
                {1.15, kCrownTop},
                {kHoleRadius + 0.1, 0.66},
                {kHoleRadius, 0.45},
                {kHoleRadius, 0.0}},
               kDiscSides, kDiscSideRepeats, kDiscTopScale);
  return mesh;
}

}  // namespace models
