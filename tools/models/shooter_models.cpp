// Shooter base and gun; see shooter_models.h.
#include "shooter_models.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

#include "ground_level.h"
#include "level/field_geometry.h"
#include "shape_tools.h"

namespace models {

namespace {

// Only edges with both ends at or below this height collide with discs.
constexpr double kCollisionHeight = 0.1;  // units

// Base: a D-shaped housing against the bottom wall, round about the pivot.
// Its radius stays well inside the muzzle distance less a disc radius (3.5),
// so no fired disc reaches it.
constexpr double kBaseRadius = 2.8;          // units
constexpr int kBaseArcSteps = 12;            // 15 degrees each
constexpr double kBaseSkirtTop = 0.5;        // units: vertical skirt up to here
constexpr double kBaseTop = 0.9;             // units: flat top the turret stands on
constexpr double kBaseShoulderInset = 0.45;  // units: slope from skirt to top
constexpr double kBaseTextureScale = 2.0;    // units per texture width, as the bricks

// Gun, in its own frame: pivot at the origin, pointing along +y.
constexpr double kBarrelBack = 0.3;           // units: keeps the back corners off the wall
constexpr double kBarrelTip = 3.3;            // units: a disc starts 5 from the pivot, its edge at 3.5
constexpr double kBarrelBackHalfWidth = 0.6;  // units
constexpr double kBarrelTipHalfWidth = 0.45;  // units
constexpr double kBarrelTop = 1.5;            // units
constexpr double kTurretRadius = 1.1;         // units
// The pivot is only half a unit from the bottom wall, so the turret reaches
// over the wall's top; it stands a little higher than the wall so that it,
// and the symbol plate on it, is never hidden under the wall from above.
constexpr double kTurretTop = field::kBrickHeight + 0.1;  // units
constexpr int kTurretSides = 16;
constexpr double kPlateHalf = 0.8;        // units: symbol plate, square over the turret
constexpr double kPlateLift = 0.02;       // units above the turret top, clear of it in depth
constexpr double kGunTextureScale = 3.0;  // units per texture width

static_assert(kBarrelTip < field::kMuzzleDistance - field::kDiscRadius);
static_assert(kBaseRadius < field::kMuzzleDistance - field::kDiscRadius);

// How far the gun may pass an aim limit: one frame's turn at the longest
// frame the game lets through (1/20 s).
constexpr double kAimOvershoot = field::kTurnSpeed / 20.0;  // degrees

double segment_distance(Vec3 p, Vec3 a, Vec3 b) {
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  const double len2 = dx * dx + dy * dy;
  double t = len2 > 0.0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / len2 : 0.0;
  t = std::clamp(t, 0.0, 1.0);
  const double ex = a.x + t * dx - p.x;
  const double ey = a.y + t * dy - p.y;
  return std::sqrt(ex * ex + ey * ey);
}

Vec3 turn_about_origin(Vec3 p, double degrees) {
  const double a = degrees * std::numbers::pi / 180.0;
  return {p.x * std::cos(a) - p.y * std::sin(a), p.x * std::sin(a) + p.y * std::cos(a), p.z};
}

}  // namespace

Mesh make_shooter_base() {
  Mesh mesh;
  // Base model space: origin at the base position.
  const double pivot_y = field::kShooterPivotY - field::kShooterBaseY;
  const double wall_y = field::kInnerBottom - field::kShooterBaseY;
  auto outline = [&](double radius) {
    Outline points{{radius, wall_y, 0.0}};
    for (int i = 0; i <= kBaseArcSteps; ++i) {
      const double a = std::numbers::pi * i / kBaseArcSteps;
      points.push_back({radius * std::cos(a), pivot_y + radius * std::sin(a), 0.0});
    }
    points.push_back({-radius, wall_y, 0.0});
    return points;
  };
  // The foot stands on the ground; its edges are the collision outline.
  const std::vector<int> foot = add_ring(mesh, outline(kBaseRadius), kGroundZ);
  const std::vector<int> skirt = add_ring(mesh, outline(kBaseRadius), kBaseSkirtTop);
  const std::vector<int> top = add_ring(mesh, outline(kBaseRadius - kBaseShoulderInset), kBaseTop);
  add_band(mesh, foot, skirt, kBaseTextureScale);
  add_band(mesh, skirt, top, kBaseTextureScale);
  add_cap(mesh, top, true, kBaseTextureScale);
  return mesh;
}

Mesh make_shooter_gun() {
  Mesh mesh;
  const Outline barrel{{-kBarrelBackHalfWidth, kBarrelBack, 0.0},
                       {kBarrelBackHalfWidth, kBarrelBack, 0.0},
                       {kBarrelTipHalfWidth, kBarrelTip, 0.0},
                       {-kBarrelTipHalfWidth, kBarrelTip, 0.0}};
  // Points 0-3: barrel foot (its edges collide), 4-7: barrel top.
  const std::vector<int> foot = add_ring(mesh, barrel, 0.0);
  const std::vector<int> crown = add_ring(mesh, barrel, kBarrelTop);
  // Points 8-11: the symbol plate, upright when the gun points up.
  const double plate_z = kTurretTop + kPlateLift;
  const int plate[4] = {
      mesh.add_point({-kPlateHalf, -kPlateHalf, plate_z}), mesh.add_point({kPlateHalf, -kPlateHalf, plate_z}),
      mesh.add_point({kPlateHalf, kPlateHalf, plate_z}), mesh.add_point({-kPlateHalf, kPlateHalf, plate_z})};
  if (plate[0] != 8 || plate[3] != 11) throw std::logic_error("symbol plate points must be 8 to 11");

  add_band(mesh, foot, crown, kGunTextureScale);
  add_cap(mesh, crown, true, kGunTextureScale);
  // The turret stands on the base's top, above the collision band.
  add_revolved(mesh, {{kTurretRadius, kBaseTop}, {kTurretRadius, kTurretTop}, {0.0, kTurretTop}},
               kTurretSides, 4.0, kGunTextureScale);
  // The plate last: the game leaves these two triangles out of the gun.
  mesh.add_quad(Corner{plate[0], {0.0, 0.0}}, Corner{plate[1], {1.0, 0.0}}, Corner{plate[2], {1.0, 1.0}},
                Corner{plate[3], {0.0, 1.0}}, {0.0, 0.0, 1.0});
  return mesh;
}

std::vector<Segment> collision_edges(const Mesh& mesh) {
  std::vector<std::pair<int, int>> seen;
  std::vector<Segment> edges;
  for (const Triangle& t : mesh.triangles()) {
    const int pairs[3][2] = {{0, 1}, {0, 2}, {1, 2}};
    for (const auto& pair : pairs) {
      int i = t.c[pair[0]].point;
      int j = t.c[pair[1]].point;
      const Vec3 a = mesh.point(i);
      const Vec3 b = mesh.point(j);
      if (a.z > kCollisionHeight || b.z > kCollisionHeight) continue;
      if (i > j) std::swap(i, j);
      if (std::find(seen.begin(), seen.end(), std::pair{i, j}) != seen.end()) continue;
      seen.emplace_back(i, j);
      edges.push_back({a, b});
    }
  }
  return edges;
}

double muzzle_clearance(const Mesh& base, const Mesh& gun) {
  const Vec3 pivot{field::kShooterPivotX, field::kShooterPivotY, 0.0};
  const Vec3 base_at{0.0, field::kShooterBaseY, 0.0};
  std::vector<Segment> base_edges = collision_edges(base);
  for (Segment& s : base_edges) s = {s.a + base_at, s.b + base_at};
  const std::vector<Segment> gun_edges = collision_edges(gun);

  double clearance = 1e9;
  const double step = 0.05;  // degrees
  for (double aim = field::kAimMin - kAimOvershoot; aim <= field::kAimMax + kAimOvershoot + 1e-9;
       aim += step) {
    // The shot leaves along the aim cut to whole degrees; the gun shows the
    // exact aim.
    const double shot = std::trunc(aim) * std::numbers::pi / 180.0;
    const Vec3 centre = pivot + Vec3{std::cos(shot), std::sin(shot), 0.0} * field::kMuzzleDistance;
    double nearest = centre.y - field::kInnerBottom;
    for (const Segment& s : base_edges) nearest = std::min(nearest, segment_distance(centre, s.a, s.b));
    for (const Segment& s : gun_edges) {
      const Vec3 a = turn_about_origin(s.a, aim - 90.0) + pivot;
      const Vec3 b = turn_about_origin(s.b, aim - 90.0) + pivot;
      nearest = std::min(nearest, segment_distance(centre, a, b));
    }
    clearance = std::min(clearance, nearest - field::kDiscRadius);
  }
  return clearance;
}

}  // namespace models
