// A triangle mesh under construction, and its writer in the game's model text
// format (version 0.5: texture list, points, triangles with texture index,
// group, corner indices and corner texture coordinates).
//
// The builder keeps every face turned the right way: a triangle is added
// together with the direction its face should look to, and the corners are
// ordered so that the face normal (corner 1 - corner 0) x (corner 2 - corner 0)
// points that way. The game culls back faces, so a wrong order would make the
// face vanish.
//
// This module knows nothing about the play-field or any particular model; the
// shapes live in their own files.
#pragma once

#include <string>
#include <vector>

namespace models {

struct Vec3 {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
};

Vec3 operator+(Vec3 a, Vec3 b);
Vec3 operator-(Vec3 a, Vec3 b);
Vec3 operator*(Vec3 a, double s);
double dot(Vec3 a, Vec3 b);
Vec3 cross(Vec3 a, Vec3 b);
double length(Vec3 a);

struct Uv {
  double u = 0.0;
  double v = 0.0;
};

// One corner of a triangle: a point index and its texture coordinates.
struct Corner {
  int point = 0;
  Uv uv;
};

struct Triangle {
  Corner c[3];
};

class Mesh {
 public:
  // Appends a point and returns its index. Points are never merged, so a
  // caller that needs fixed indices (the gun's symbol plates) gets them.
  int add_point(Vec3 p);

  // Appends a triangle whose face looks towards `outward` (any length).
  // Throws std::logic_error for a degenerate triangle or an `outward` that
  // lies in the triangle's plane, since either means a shape is built wrong.
  void add_triangle(Corner a, Corner b, Corner c, Vec3 outward);

  // Appends the quad a-b-c-d (corners in order around its edge) as the two
  // triangles a-b-c and a-c-d, so the diagonal always runs from a to c.
  void add_quad(Corner a, Corner b, Corner c, Corner d, Vec3 outward);

  const std::vector<Vec3>& points() const { return points_; }
  const std::vector<Triangle>& triangles() const { return triangles_; }
  Vec3 point(int index) const;

  // The model file text: version 0.5, no texture list, every triangle with
  // texture index -1 and group 0. Numbers carry six decimals; a coordinate
  // that is exactly zero is written as 0.000000 (the game lowers points whose
  // z is exactly 0), and any other coordinate that would print as zero is
  // refused with std::logic_error.
  std::string to_text() const;

 private:
  std::vector<Vec3> points_;
  std::vector<Triangle> triangles_;
};

// Formats a number with six decimals, never as "-0.000000".
std::string format_number(double value);

}  // namespace models
