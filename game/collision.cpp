#include "game/collision.h"

#include <algorithm>
#include <cmath>

#include "game/heading.h"

namespace {

constexpr float kPlaneEdgeZ = 0.1f;  // units: edges at or below this are contact edges
constexpr float kDegToRad = 3.14159265358979f / 180.0f;
// Edges whose bounding box lies farther than the disc radius plus this from
// the disc centre cannot touch it; skipping them saves the trigonometry of
// the exact nearest-point search. The margin is far above its rounding.
constexpr float kBoxMargin = 0.01f;  // units

// Turns p about centre by degrees counter-clockwise, in the play plane.
Vec3 Turn_About(const Vec3& p, const Vec3& centre, float degrees) {
  const float a = degrees * kDegToRad;
  const float c = std::cos(a), s = std::sin(a);
  const float dx = p.x - centre.x, dy = p.y - centre.y;
  return {centre.x + dx * c - dy * s, centre.y + dx * s + dy * c, p.z};
}

float Planar_Distance(const Vec3& a, const Vec3& b) {
  const float dx = a.x - b.x, dy = a.y - b.y;
  return std::sqrt(dx * dx + dy * dy);
}

// A vector of the given length pointing along a planar heading.
Vec3 Along(float length, float heading) {
  return Turn_About({length, 0.0f, 0.0f}, Vec3(), heading);
}

// The point of edge a-b nearest to c in the play plane, found as the game
// always has: turn the edge onto the x axis about a, clamp, turn back.
Vec3 Nearest_On_Edge(const Vec3& a, const Vec3& b, const Vec3& c) {
  const float h = Heading(a, b);
  const Vec3 rb = Turn_About(b, a, -h);
  const Vec3 rc = Turn_About(c, a, -h);
  if (rc.x <= a.x) return a;
  if (rc.x >= rb.x) return b;
  return Turn_About({rc.x, a.y, a.z}, a, h);
}

float Reduce_Degrees(float d) {
  while (d > 360.0f) d -= 360.0f;
  while (d < 0.0f) d += 360.0f;
  return d;
}

}  // namespace

bool Collide_Spheres(CKorvidModel& a, CKorvidModel& b, float dt, bool respond) {
  const float d = (a.position - b.position).Length();
  if (d > a.radius + b.radius) return false;
  if (!respond) return true;
  const Vec3 D = b.position - a.position;
  const Vec3 R = b.velocity * (b.velocity.Length() * dt) - a.velocity * (a.velocity.Length() * dt);
  if (D.Dot(R) < 0.0f) {
    Vec3 n = a.position - b.position;
    n.Normalize();
    const float a1 = a.velocity.Dot(n);
    const float a2 = b.velocity.Dot(n);
    const float p = 2.0f * (a1 - a2) / (a.mass + b.mass);
    a.velocity -= n * (p * b.mass);
    b.velocity += n * (p * a.mass);
  }
  return true;
}

bool Collide_Mesh(CKorvidModel& disc, const CKorvidModel& mesh, int group, bool respond) {
  static constexpr int kEdges[3][2] = {{0, 1}, {0, 2}, {1, 2}};
  bool found = false;
  float best = 0.0f;
  Vec3 best_point;
  const int n = mesh.Triangle_Count();
  for (int t = 0; t < n; ++t) {
    if (group != -1 && mesh.triangles[static_cast<size_t>(t)].group != group) continue;
    for (const auto& e : kEdges) {
      const Vec3 a = mesh.Corner(t, e[0]);
      const Vec3 b = mesh.Corner(t, e[1]);
      if (a.z > kPlaneEdgeZ || b.z > kPlaneEdgeZ) continue;
      const float reach = disc.radius + kBoxMargin;
      const Vec3& c = disc.position;
      if (c.x + reach < std::min(a.x, b.x) || c.x - reach > std::max(a.x, b.x) ||
          c.y + reach < std::min(a.y, b.y) || c.y - reach > std::max(a.y, b.y)) {
        continue;
      }
      const Vec3 p = Nearest_On_Edge(a, b, disc.position);
      const float d = Planar_Distance(p, disc.position);
      if (d <= disc.radius && (!found || d < best)) {
        found = true;
        best = d;
        best_point = p;
      }
    }
  }
  if (found && respond) Bounce_Off_Point(disc, best_point);
  return found;
}

void Bounce_Off_Point(CKorvidModel& disc, const Vec3& point) {
  const Vec3 origin;
  const float b = Reduce_Degrees(Heading(origin, disc.velocity));
  const float n = Reduce_Degrees(Heading(disc.position, point) + 180.0f);
  float between = std::fabs(b - n);
  if (between > 180.0f) between = 360.0f - between;
  if (between < 90.0f) return;  // already moving away

  const float s = disc.velocity.Length();
  const float depth = disc.radius - Planar_Distance(disc.position, point);
  Vec3 old_direction = disc.velocity;
  old_direction.Normalize();

  // Turn so the normal points straight down, mirror, turn back.
  const float turn = 270.0f - n;
  Vec3 v = Along(s, b + turn);
  v.y = -v.y;
  disc.velocity = Along(s, Heading(origin, v) - turn);

  Vec3 new_direction = disc.velocity;
  new_direction.Normalize();
  disc.Translate(old_direction * -depth, false);
  disc.Translate(new_direction * depth, false);
}
