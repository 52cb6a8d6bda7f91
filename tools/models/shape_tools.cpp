// Solids of revolution, bands and caps; see shape_tools.h.
#include "shape_tools.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace models {

Uv top_down_uv(Vec3 p, double scale) { return {0.5 + p.x / scale, 0.5 + p.y / scale}; }

void add_revolved(Mesh& mesh, const std::vector<ProfilePoint>& profile, int sides, double side_repeats,
                  double top_scale) {
  if (profile.size() < 2 || sides < 3) throw std::logic_error("profile too short");
  const double turn = 2.0 * std::numbers::pi / sides;
  double r_max = 0.0;
  for (const ProfilePoint& p : profile) r_max = std::max(r_max, p.r);
  // Height of one texture repeat on the steep faces, so texels stay square.
  const double side_scale = 2.0 * std::numbers::pi * r_max / side_repeats;

  // Point indices of every profile point at every step; a point on the axis
  // is stored once.
  std::vector<std::vector<int>> rings;
  for (const ProfilePoint& p : profile) {
    std::vector<int> ring;
    if (p.r == 0.0) {
      ring.push_back(mesh.add_point({0.0, 0.0, p.z}));
    } else {
      for (int k = 0; k < sides; ++k) {
        ring.push_back(mesh.add_point({p.r * std::cos(turn * k), p.r * std::sin(turn * k), p.z}));
      }
    }
    rings.push_back(ring);
  }

  for (std::size_t j = 0; j + 1 < profile.size(); ++j) {
    const ProfilePoint a = profile[j];
    const ProfilePoint b = profile[j + 1];
    if (a.r == 0.0 && b.r == 0.0) throw std::logic_error("profile step along the axis");
    // Outward normal of the step in the (r, z) plane: the step turned
    // clockwise by a right angle.
    const double nr = b.z - a.z;
    const double nz = -(b.r - a.r);
    const bool steep = std::fabs(b.z - a.z) > std::fabs(b.r - a.r);
    for (int k = 0; k < sides; ++k) {
      const double mid = turn * (k + 0.5);
      const Vec3 outward{nr * std::cos(mid), nr * std::sin(mid), nz};
      auto corner = [&](std::size_t ring, int step) {
        const std::vector<int>& points = rings[ring];
        const int index = points.size() == 1 ? points[0] : points[static_cast<std::size_t>(step % sides)];
        const Vec3 p = mesh.point(index);
        Uv uv;
        if (steep) {
          uv = {side_repeats * step / sides, p.z / side_scale};
        } else {
          uv = top_down_uv(p, top_scale);
        }
        return Corner{index, uv};
      };
      if (a.r == 0.0) {
        mesh.add_triangle(corner(j, k), corner(j + 1, k), corner(j + 1, k + 1), outward);
      } else if (b.r == 0.0) {
        mesh.add_triangle(corner(j, k), corner(j, k + 1), corner(j + 1, k), outward);
      } else {
        mesh.add_quad(corner(j, k), corner(j, k + 1), corner(j + 1, k + 1), corner(j + 1, k), outward);
      }
    }
  }
}

std::vector<int> add_ring(Mesh& mesh, const Outline& outline, double z) {
  std::vector<int> ring;
  for (const Vec3& p : outline) ring.push_back(mesh.add_point({p.x, p.y, z}));
  return ring;
}

void add_band(Mesh& mesh, const std::vector<int>& lower, const std::vector<int>& upper, double scale,
              bool facing_out) {
  if (lower.size() != upper.size() || lower.size() < 3) throw std::logic_error("band rings differ");
  const std::size_t n = lower.size();
  double along = 0.0;
  for (std::size_t i = 0; i < n; ++i) {
    const std::size_t next = (i + 1) % n;
    const Vec3 p0 = mesh.point(lower[i]);
    const Vec3 p1 = mesh.point(lower[next]);
    const Vec3 q0 = mesh.point(upper[i]);
    const Vec3 q1 = mesh.point(upper[next]);
    const Vec3 edge = p1 - p0;
    // For a counter-clockwise outline the outside is to the right of each edge.
    Vec3 outward{edge.y, -edge.x, 0.0};
    if (!facing_out) outward = outward * -1.0;
    const double edge_length = length(Vec3{edge.x, edge.y, 0.0});
    const double u0 = along / scale;
    const double u1 = (along + edge_length) / scale;
    mesh.add_quad(Corner{lower[i], {u0, p0.z / scale}}, Corner{lower[next], {u1, p1.z / scale}},
                  Corner{upper[next], {u1, q1.z / scale}}, Corner{upper[i], {u0, q0.z / scale}}, outward);
    along += edge_length;
  }
}

void add_cap(Mesh& mesh, const std::vector<int>& ring, bool facing_up, double scale) {
  if (ring.size() < 3) throw std::logic_error("cap needs three points");
  const Vec3 up{0.0, 0.0, facing_up ? 1.0 : -1.0};
  auto corner = [&](std::size_t i) { return Corner{ring[i], top_down_uv(mesh.point(ring[i]), scale)}; };
  for (std::size_t i = 1; i + 1 < ring.size(); ++i)
    mesh.add_triangle(corner(0), corner(i), corner(i + 1), up);
}

}  // namespace models
