// CKorvidModel: the triangle mesh of everything that is drawn or collides on
// the play-field (discs, rings, bricks, wall pieces, force fields, the
// shooter, the collision outline, the ground), with its rigid-body frame.
//
// The mesh holds data and geometry only. Drawing it is the window's business
// (it reads the points and triangles, or the batch layout of Fill_Array);
// nothing here calls OpenGL.
//
// Model text format (white-space separated tokens):
//   version                              decimal fraction
//   [version >= 0.4] T P N, then T texture file names; [else] P N
//   P lines: index x y z                 (points are white)
//   N lines: index [tex >= 0.4] [group >= 0.5] a b c [u0 v0 u1 v1 u2 v2 >= 0.3]
// A file whose scans run out, whose corner or texture indices are out of
// range, or whose counts cannot fit in its size is rejected whole with a
// failure log line; the model keeps what it had.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "game/vec3.h"

class TextureTable;

struct ModelPoint {
  float r = 1.0f, g = 1.0f, b = 1.0f;
  float x = 0.0f, y = 0.0f, z = 0.0f;

  Vec3 Position() const { return {x, y, z}; }
  Vec3 Color() const { return {r, g, b}; }
  void Set_Color(const Vec3& c) {
    r = c.x;
    g = c.y;
    b = c.z;
  }
};

struct ModelTriangle {
  float transparency = 0.0f;  // 0..1; drawn alpha = 1 - transparency
  Vec3 centroid;
  Vec3 normal;
  Vec3 corner_normals[3];
  float uv[3][2] = {{0.0f, 1.0f}, {1.0f, 1.0f}, {0.0f, 0.0f}};
  int group = 0;
  int texture = -1;  // slot in the texture table, -1 none
  int corners[3] = {0, 0, 0};
};

// Floats per vertex of the batch layout: texture (u, v), colour (r, g, b, a),
// normal (x, y, z), position (x, y, z).
inline constexpr int kBatchFloatsPerVertex = 12;
inline constexpr int kBatchVertexCapacity = 10000;

class CKorvidModel {
 public:
  // Replaces the model by a model file, taken from "data/models.pak" in
  // folder first and then from a loose file folder/name. Texture names in
  // the file are loaded through textures (null: every texture is slot -1).
  bool File_Load(const std::string& name, const std::string& folder = ".",
                 TextureTable* textures = nullptr);
  // The same on text already in memory; name only labels the log lines.
  bool Load_Text(std::string_view text, const std::string& name, TextureTable* textures = nullptr);

  void Release();
  void Resize_Points(int count);
  void Resize_Triangles(int count);
  int Add_Point(const Vec3& position, bool reuse);
  int Add_Triangle(int a, int b, int c);

  // With move_points every point and centroid moves by offset first; then the
  // previous position takes the position, and pivot and position move.
  void Translate(const Vec3& offset, bool move_points);
  // Turns every point about the pivot in the play plane, counter-clockwise.
  void Rotate_Z(float degrees);
  void Set_Transparency(float value, int triangle);  // triangle -1: all
  void Set_Mass(float value);
  void Set_Color(const Vec3& color);  // every point

  // Centroids and normals of every triangle, from the points as they stand.
  void Compute_Geometry();
  // Largest distance of a point from the model origin (0, 0, 0).
  void Compute_Radius();

  // Appends the triangles of group (-1: all) to the batch buffer starting at
  // vertex first; returns the vertex count after them. Stops at the buffer's
  // capacity rather than overflow it.
  int Fill_Array(int first, float* buffer, int group) const;

  Vec3 Corner(int triangle, int corner) const;
  int Point_Count() const { return static_cast<int>(points.size()); }
  int Triangle_Count() const { return static_cast<int>(triangles.size()); }
  float Radius() const { return radius; }
  float Mass() const { return mass; }

  std::vector<ModelPoint> points;
  std::vector<ModelTriangle> triangles;
  float radius = 0.0f;
  Vec3 pivot;
  Vec3 position;
  Vec3 previous_position;
  Vec3 velocity;
  float mass = 1.0f;
};
