// Mesh builder and model-file writer; see model_mesh.h.
#include "model_mesh.h"

#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace models {

Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vec3 operator*(Vec3 a, double s) { return {a.x * s, a.y * s, a.z * s}; }
double dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec3 cross(Vec3 a, Vec3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
double length(Vec3 a) { return std::sqrt(dot(a, a)); }

int Mesh::add_point(Vec3 p) {
  // Trigonometry leaves values like 6e-17 where a shape means 0 (a circle
  // point at 90 degrees); make them the zero they stand for.
  auto snap = [](double v) { return std::fabs(v) < 1e-9 ? 0.0 : v; };
  points_.push_back({snap(p.x), snap(p.y), snap(p.z)});
  return static_cast<int>(points_.size()) - 1;
}

Vec3 Mesh::point(int index) const {
  if (index < 0 || index >= static_cast<int>(points_.size())) {
    throw std::logic_error("point index out of range");
  }
  return points_[static_cast<std::size_t>(index)];
}

void Mesh::add_triangle(Corner a, Corner b, Corner c, Vec3 outward) {
  const Vec3 pa = point(a.point);
  const Vec3 n = cross(point(b.point) - pa, point(c.point) - pa);
  const double n_len = length(n);
  const double out_len = length(outward);
  if (n_len < 1e-9) throw std::logic_error("degenerate triangle");
  if (out_len < 1e-12) throw std::logic_error("no outward direction given");
  const double facing = dot(n, outward) / (n_len * out_len);
  // A hint almost in the face's plane cannot tell the sides apart.
  if (std::fabs(facing) < 0.05) throw std::logic_error("outward direction lies in the face");
  if (facing < 0.0) std::swap(b, c);
  triangles_.push_back(Triangle{{a, b, c}});
}

void Mesh::add_quad(Corner a, Corner b, Corner c, Corner d, Vec3 outward) {
  add_triangle(a, b, c, outward);
  add_triangle(a, c, d, outward);
}

std::string format_number(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.6f", value);
  std::string text = buffer;
  if (text == "-0.000000") text = "0.000000";
  return text;
}

namespace {

std::string format_coordinate(double value) {
  const std::string text = format_number(value);
  if (value != 0.0 && text == "0.000000") {
    // Such a point would be read back with z exactly 0 and be lowered by the
    // game, or sit a rounding error off a line that should be exact.
    throw std::logic_error("coordinate too close to zero to write");
  }
  return text;
}

}  // namespace

std::string Mesh::to_text() const {
  std::string out = "0.5\n";
  // Texture count 0: the game binds the brick, disc and ground textures itself.
  out.append("0 ").append(std::to_string(points_.size())).append(" ");
  out.append(std::to_string(triangles_.size())).append("\n");
  for (std::size_t i = 0; i < points_.size(); ++i) {
    const Vec3& p = points_[i];
    out.append(std::to_string(i));
    for (double v : {p.x, p.y, p.z}) out.append(" ").append(format_coordinate(v));
    out.append("\n");
  }
  for (std::size_t i = 0; i < triangles_.size(); ++i) {
    const Triangle& t = triangles_[i];
    // Index, texture index (-1: none), group, three corners, three (u, v).
    out.append(std::to_string(i)).append(" -1 0");
    for (const Corner& c : t.c) out.append(" ").append(std::to_string(c.point));
    for (const Corner& c : t.c)
      out.append(" ").append(format_number(c.uv.u)).append(" ").append(format_number(c.uv.v));
    out.append("\n");
  }
  return out;
}

}  // namespace models
