#include "game/model.h"

#include <algorithm>
#include <cmath>

#include "engine/log.h"
#include "engine/text_scan.h"
#include "game/texture_table.h"
#include "level/field_geometry.h"
#include "level/resource_file.h"

namespace {

constexpr float kPi = 3.14159265358979f;
constexpr size_t kMaxTextureName = 100;  // characters of a texture file name
constexpr int kMaxModelTextures = 256;    // names in one model's texture list
// Every number of a point or triangle line takes at least two bytes (a
// digit and a blank); a count that promises more lines than the rest of
// the file can hold cannot be honest, and is refused before anything is
// allocated for it.
constexpr size_t kMinFieldBytes = 2;

Vec3 Face_Normal(const Vec3& a, const Vec3& b, const Vec3& c) {
  Vec3 n = (b - a).Cross(c - a);
  n.Normalize();
  return n;
}

bool Scan_Float(TextCursor& cur, float& out) { return cur.Float(out) == ScanResult::Ok; }
bool Scan_Int(TextCursor& cur, int& out) { return cur.Decimal(out) == ScanResult::Ok; }

}  // namespace

bool CKorvidModel::File_Load(const std::string& name, const std::string& folder,
                             TextureTable* textures) {
  std::string text;
  if (!Load_Resource_Archive_First(folder, "data/models.pak", name, text)) {
    Log_Write(g_log_stream, 1, "CKorvidModel::File_Load() :: failed (could not find file [%s])",
              name.c_str());
    return false;
  }
  return Load_Text(text, name, textures);
}

bool CKorvidModel::Load_Text(std::string_view text, const std::string& name,
                             TextureTable* textures) {
  auto reject = [&](const char* why) {
    Log_Write(g_log_stream, 1, "CKorvidModel::File_Load() :: failed (%s [%s])", why, name.c_str());
    return false;
  };
  TextCursor cur(text);
  float version = 0.0f;
  if (!Scan_Float(cur, version)) return reject("no version number in file");
  const bool has_uv = version >= 0.3f;
  const bool has_textures = version >= 0.4f;
  const bool has_groups = version >= 0.5f;

  int texture_count = 0, point_count = 0, triangle_count = 0;
  if (has_textures && !Scan_Int(cur, texture_count)) return reject("file ends in its counts");
  if (!Scan_Int(cur, point_count) || !Scan_Int(cur, triangle_count)) {
    return reject("file ends in its counts");
  }
  const size_t left = cur.Rest().size();
  const size_t point_bytes = 4 * kMinFieldBytes;
  const size_t triangle_bytes =
      (1 + (has_textures ? 1 : 0) + (has_groups ? 1 : 0) + 3 + (has_uv ? 6 : 0)) * kMinFieldBytes;
  if (texture_count < 0 || point_count < 0 || triangle_count < 0 || texture_count > kMaxModelTextures ||
      static_cast<size_t>(texture_count) * kMinFieldBytes + static_cast<size_t>(point_count) * point_bytes +
              static_cast<size_t>(triangle_count) * triangle_bytes >
          left + kMinFieldBytes) {  // the last number needs no blank after it
    return reject("counts larger than the file");
  }

  std::vector<std::string> texture_names(static_cast<size_t>(texture_count));
  for (std::string& t : texture_names) {
    if (cur.Word(t, kMaxTextureName) != ScanResult::Ok) return reject("file ends in its texture list");
  }

  std::vector<ModelPoint> new_points(static_cast<size_t>(point_count));
  for (ModelPoint& p : new_points) {
    int ignored = 0;
    if (!Scan_Int(cur, ignored) || !Scan_Float(cur, p.x) || !Scan_Float(cur, p.y) ||
        !Scan_Float(cur, p.z)) {
      return reject("file ends in its points");
    }
    if (!field::Plausible(p.x) || !field::Plausible(p.y) || !field::Plausible(p.z)) {
      return reject("a point at infinity or not a number");
    }
  }

  std::vector<int> file_texture_index(static_cast<size_t>(triangle_count), -1);
  std::vector<ModelTriangle> new_triangles(static_cast<size_t>(triangle_count));
  for (size_t i = 0; i < new_triangles.size(); ++i) {
    ModelTriangle& t = new_triangles[i];
    int ignored = 0;
    if (!Scan_Int(cur, ignored)) return reject("file ends in its triangles");
    if (has_textures && !Scan_Int(cur, file_texture_index[i])) return reject("file ends in its triangles");
    if (has_groups && !Scan_Int(cur, t.group)) return reject("file ends in its triangles");
    for (int& c : t.corners) {
      if (!Scan_Int(cur, c)) return reject("file ends in its triangles");
      if (c < 0 || c >= point_count) return reject("corner index out of range");
    }
    if (has_uv) {
      for (auto& uv : t.uv) {
        if (!Scan_Float(cur, uv[0]) || !Scan_Float(cur, uv[1])) {
          return reject("file ends in its triangles");
        }
        if (!field::Plausible(uv[0]) || !field::Plausible(uv[1])) return reject("a texture place that is no number");
      }
    }
    if (file_texture_index[i] >= texture_count) return reject("texture index out of range");
  }

  // Only a file that read whole reaches the texture table, so a rejected file
  // leaves no stray textures behind.
  std::vector<int> slots(texture_names.size(), -1);
  for (size_t i = 0; i < texture_names.size(); ++i) {
    if (textures != nullptr) slots[i] = textures->Texture_Load(texture_names[i]);
  }
  for (size_t i = 0; i < new_triangles.size(); ++i) {
    const int index = file_texture_index[i];
    new_triangles[i].texture = index < 0 ? -1 : slots[static_cast<size_t>(index)];
  }

  points = std::move(new_points);
  triangles = std::move(new_triangles);
  Compute_Geometry();
  Compute_Radius();
  mass = 1.0f;
  pivot = Vec3();
  Log_Write(g_log_stream, 0, "CKorvidModel::File_Load() :: [%s][%i points][%i triangles]",
            name.c_str(), point_count, triangle_count);
  return true;
}

void CKorvidModel::Release() {
  points = {};
  triangles = {};
}

void CKorvidModel::Resize_Points(int count) {
  if (count <= 0) {
    points = {};
    return;
  }
  points.resize(static_cast<size_t>(count));
}

void CKorvidModel::Resize_Triangles(int count) {
  if (count <= 0) {
    triangles = {};
    return;
  }
  triangles.resize(static_cast<size_t>(count));
}

int CKorvidModel::Add_Point(const Vec3& p, bool reuse) {
  if (reuse) {
    for (size_t i = 0; i < points.size(); ++i) {
      if (points[i].Position() == p) return static_cast<int>(i);
    }
  }
  ModelPoint point;
  point.x = p.x;
  point.y = p.y;
  point.z = p.z;
  points.push_back(point);
  return static_cast<int>(points.size()) - 1;
}

int CKorvidModel::Add_Triangle(int a, int b, int c) {
  ModelTriangle t;
  t.corners[0] = a;
  t.corners[1] = b;
  t.corners[2] = c;
  triangles.push_back(t);
  return static_cast<int>(triangles.size()) - 1;
}

void CKorvidModel::Translate(const Vec3& offset, bool move_points) {
  if (move_points) {
    for (ModelPoint& p : points) {
      p.x += offset.x;
      p.y += offset.y;
      p.z += offset.z;
    }
    for (ModelTriangle& t : triangles) t.centroid += offset;
  }
  previous_position = position;
  pivot += offset;
  position += offset;
}

void CKorvidModel::Rotate_Z(float degrees) {
  const float a = degrees * kPi / 180.0f;
  const float c = std::cos(a), s = std::sin(a);
  for (ModelPoint& p : points) {
    const float dx = p.x - pivot.x, dy = p.y - pivot.y;
    p.x = pivot.x + dx * c - dy * s;
    p.y = pivot.y + dx * s + dy * c;
  }
  Compute_Geometry();
}

void CKorvidModel::Set_Transparency(float value, int triangle) {
  value = std::clamp(value, 0.0f, 1.0f);
  if (triangle == -1) {
    for (ModelTriangle& t : triangles) t.transparency = value;
  } else if (triangle >= 0 && triangle < Triangle_Count()) {
    triangles[static_cast<size_t>(triangle)].transparency = value;
  }
}

void CKorvidModel::Set_Mass(float value) { mass = value < 0.0f ? 0.0f : value; }

void CKorvidModel::Set_Color(const Vec3& color) {
  for (ModelPoint& p : points) p.Set_Color(color);
}

Vec3 CKorvidModel::Corner(int triangle, int corner) const {
  const ModelTriangle& t = triangles[static_cast<size_t>(triangle)];
  return points[static_cast<size_t>(t.corners[corner])].Position();
}

void CKorvidModel::Compute_Geometry() {
  for (size_t i = 0; i < triangles.size(); ++i) {
    ModelTriangle& t = triangles[i];
    const Vec3 p[3] = {Corner(static_cast<int>(i), 0), Corner(static_cast<int>(i), 1),
                       Corner(static_cast<int>(i), 2)};
    t.centroid = (p[0] + p[1] + p[2]) / 3.0f;
    t.normal = Face_Normal(p[0], p[1], p[2]);
    for (int k = 0; k < 3; ++k) t.corner_normals[k] = Face_Normal(p[k], p[(k + 1) % 3], p[(k + 2) % 3]);
  }
}

void CKorvidModel::Compute_Radius() {
  radius = 0.0f;
  for (const ModelPoint& p : points) radius = std::max(radius, p.Position().Length());
}

int CKorvidModel::Fill_Array(int first, float* buffer, int group) const {
  int v = first;
  for (const ModelTriangle& t : triangles) {
    if (group != -1 && t.group != group) continue;
    if (v + 3 > kBatchVertexCapacity) break;
    for (int k = 0; k < 3; ++k) {
      const ModelPoint& p = points[static_cast<size_t>(t.corners[k])];
      float* out = buffer + static_cast<size_t>(v) * kBatchFloatsPerVertex;
      out[0] = t.uv[k][0];
      out[1] = t.uv[k][1];
      out[2] = p.r;
      out[3] = p.g;
      out[4] = p.b;
      out[5] = 1.0f - t.transparency;
      out[6] = t.normal.x;
      out[7] = t.normal.y;
      out[8] = t.normal.z;
      out[9] = p.x;
      out[10] = p.y;
      out[11] = p.z;
      ++v;
    }
  }
  return v;
}
