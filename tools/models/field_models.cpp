// Wall layout, collision outline and ground; see field_models.h.
#include "field_models.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <stdexcept>

#include "ground_level.h"
#include "level/field_geometry.h"
#include "shape_tools.h"

namespace models {

namespace {

// The part of the play plane the cameras show; every wall piece stays inside.
constexpr double kVisibleLeft = -50.0;    // units
constexpr double kVisibleRight = 50.0;    // units
constexpr double kVisibleBottom = -46.6;  // units
constexpr double kVisibleTop = 48.6;      // units
constexpr std::size_t kMaxWallPieces = 100;

// The ground reaches this far past the outermost wall faces.
constexpr double kGroundMargin = 0.5;  // units
constexpr double kGroundTile = 20.0;   // units per texture repeat

// Angles that turn a piece's +y long face towards the field.
constexpr double kFaceUp = 0.0;       // degrees: bottom wall
constexpr double kFaceLeft = 90.0;    // degrees: right wall
constexpr double kFaceDown = 180.0;   // degrees: top wall
constexpr double kFaceRight = 270.0;  // degrees: left wall

struct Box {
  double left, right, bottom, top;
};

Box piece_box(const WallPiece& p) {
  const double a = p.angle * std::numbers::pi / 180.0;
  const double hx = field::kBrickLength / 2.0;
  const double hy = field::kBrickWidth / 2.0;
  const double ex = std::fabs(hx * std::cos(a)) + std::fabs(hy * std::sin(a));
  const double ey = std::fabs(hx * std::sin(a)) + std::fabs(hy * std::cos(a));
  return {p.x - ex, p.x + ex, p.y - ey, p.y + ey};
}

Box layout_box(const std::vector<WallPiece>& pieces) {
  Box box{1e9, -1e9, 1e9, -1e9};
  for (const WallPiece& p : pieces) {
    const Box b = piece_box(p);
    box = {std::min(box.left, b.left), std::max(box.right, b.right), std::min(box.bottom, b.bottom),
           std::max(box.top, b.top)};
  }
  return box;
}

}  // namespace

std::vector<WallPiece> wall_layout() {
  const double length = field::kBrickLength;
  const double half_width = field::kBrickWidth / 2.0;
  std::vector<WallPiece> pieces;

  const double side_span = field::kInnerTop - field::kInnerBottom;
  const double side_count = std::round(side_span / length);
  if (side_count < 1.0 || std::fabs(side_count * length - side_span) > 1e-9) {
    throw std::logic_error("the side walls are not a whole number of wall pieces long");
  }
  for (int i = 0; i < static_cast<int>(side_count); ++i) {
    const double y = field::kInnerBottom + length * (i + 0.5);
    pieces.push_back({field::kInnerLeft - half_width, y, kFaceRight});
    pieces.push_back({field::kInnerRight + half_width, y, kFaceLeft});
  }

  // Bottom and top walls cover the corners: from the left wall's outer face
  // to the right wall's, centred.
  const double across = field::kInnerRight - field::kInnerLeft + 2.0 * field::kBrickWidth;
  const int across_count = static_cast<int>(std::ceil(across / length - 1e-9));
  const double first = (field::kInnerLeft + field::kInnerRight) / 2.0 - length * across_count / 2.0;
  for (int i = 0; i < across_count; ++i) {
    const double x = first + length * (i + 0.5);
    pieces.push_back({x, field::kInnerBottom - half_width, kFaceUp});
    pieces.push_back({x, field::kInnerTop + half_width, kFaceDown});
  }

  if (pieces.size() > kMaxWallPieces) throw std::logic_error("more wall pieces than the game holds");
  const Box box = layout_box(pieces);
  if (box.left < kVisibleLeft || box.right > kVisibleRight || box.bottom < kVisibleBottom ||
      box.top > kVisibleTop) {
    throw std::logic_error("a wall piece lies outside the visible area");
  }
  return pieces;
}

std::string wall_file_text(const std::vector<WallPiece>& pieces) {
  std::string out;
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    const WallPiece& p = pieces[i];
    out.append("piece ").append(std::to_string(i));
    for (double v : {p.x, p.y, p.angle}) out.append(" ").append(format_number(v));
    out.append("\n");
  }
  if (out.empty()) out = "piece\n";
  return out;
}

Mesh make_collision_outline() {
  Mesh mesh;
  const Outline inner{{field::kInnerLeft, field::kInnerBottom, 0.0},
                      {field::kInnerRight, field::kInnerBottom, 0.0},
                      {field::kInnerRight, field::kInnerTop, 0.0},
                      {field::kInnerLeft, field::kInnerTop, 0.0}};
  const std::vector<int> foot = add_ring(mesh, inner, 0.0);
  const std::vector<int> head = add_ring(mesh, inner, field::kBrickHeight);
  // Facing into the field; each strip's diagonal climbs from z = 0 to the top.
  add_band(mesh, foot, head, field::kBrickHeight, false);
  return mesh;
}

Mesh make_ground(const std::vector<WallPiece>& pieces) {
  const Box box = layout_box(pieces);
  Mesh mesh;
  const Outline floor{{box.left - kGroundMargin, box.bottom - kGroundMargin, 0.0},
                      {box.right + kGroundMargin, box.bottom - kGroundMargin, 0.0},
                      {box.right + kGroundMargin, box.top + kGroundMargin, 0.0},
                      {box.left - kGroundMargin, box.top + kGroundMargin, 0.0}};
  const std::vector<int> ring = add_ring(mesh, floor, kGroundZ);
  auto corner = [&](std::size_t i) {
    const Vec3 p = mesh.point(ring[i]);
    return Corner{ring[i], {(p.x - floor[0].x) / kGroundTile, (p.y - floor[0].y) / kGroundTile}};
  };
  mesh.add_quad(corner(0), corner(1), corner(2), corner(3), {0.0, 0.0, 1.0});
  return mesh;
}

}  // namespace models
