#include "engine/view_transform.h"

#include <cmath>

#include "game/camera.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

void Identity(double m[16]) {
  for (int i = 0; i < 16; ++i) m[i] = (i % 5 == 0) ? 1.0 : 0.0;
}

// m = m * b, both column-major.
void Multiply(double m[16], const double b[16]) {
  double r[16];
  for (int col = 0; col < 4; ++col) {
    for (int row = 0; row < 4; ++row) {
      double s = 0.0;
      for (int k = 0; k < 4; ++k) s += m[k * 4 + row] * b[col * 4 + k];
      r[col * 4 + row] = s;
    }
  }
  for (int i = 0; i < 16; ++i) m[i] = r[i];
}

void Translate(double m[16], double x, double y, double z) {
  double t[16];
  Identity(t);
  t[12] = x;
  t[13] = y;
  t[14] = z;
  Multiply(m, t);
}

// Rotation about a unit axis, as glRotate.
void Rotate(double m[16], double degrees, double x, double y, double z) {
  const double a = degrees * kPi / 180.0, c = std::cos(a), s = std::sin(a);
  double r[16];
  Identity(r);
  r[0] = x * x * (1 - c) + c;
  r[1] = y * x * (1 - c) + z * s;
  r[2] = x * z * (1 - c) - y * s;
  r[4] = x * y * (1 - c) - z * s;
  r[5] = y * y * (1 - c) + c;
  r[6] = y * z * (1 - c) + x * s;
  r[8] = x * z * (1 - c) + y * s;
  r[9] = y * z * (1 - c) - x * s;
  r[10] = z * z * (1 - c) + c;
  Multiply(m, r);
}

// As the window's perspective: a frustum of the field of view and aspect.
void Perspective(double m[16], double aspect) {
  const double top = std::tan(kFieldOfView * 3.1415927 / 360.0) * kNearPlane;
  const double right = top * aspect;
  const double n = kNearPlane, f = kFarPlane;
  for (int i = 0; i < 16; ++i) m[i] = 0.0;
  m[0] = n / right;
  m[5] = n / top;
  m[10] = -(f + n) / (f - n);
  m[11] = -1.0;
  m[14] = -2.0 * f * n / (f - n);
}

void Full_Viewport(ViewTransform& v, int width, int height) {
  v.viewport[0] = 0;
  v.viewport[1] = 0;
  v.viewport[2] = width;
  v.viewport[3] = height;
}

}  // namespace

ViewTransform Overlay_View(int width, int height) {
  ViewTransform v;
  Perspective(v.projection, 1.0);
  Identity(v.modelview);
  Translate(v.modelview, -50.0, -50.0, kOverlayDepth);
  Full_Viewport(v, width, height);
  return v;
}

ViewTransform Scene_View(const Camera& c, int width, int height) {
  ViewTransform v;
  Perspective(v.projection, static_cast<double>(width) / static_cast<double>(height > 0 ? height : 1));
  Identity(v.modelview);
  Translate(v.modelview, c.translation.x, c.translation.y, c.translation.z);
  Rotate(v.modelview, c.rotation.x, 1, 0, 0);
  Rotate(v.modelview, c.rotation.z, 0, 0, 1);
  Full_Viewport(v, width, height);
  return v;
}

bool Project(const ViewTransform& v, double x, double y, double z, double& wx, double& wy) {
  const double in[4] = {x, y, z, 1.0};
  double eye[4], clip[4];
  for (int row = 0; row < 4; ++row) {
    eye[row] = 0.0;
    for (int k = 0; k < 4; ++k) eye[row] += v.modelview[k * 4 + row] * in[k];
  }
  for (int row = 0; row < 4; ++row) {
    clip[row] = 0.0;
    for (int k = 0; k < 4; ++k) clip[row] += v.projection[k * 4 + row] * eye[k];
  }
  if (clip[3] <= 0.0) return false;
  wx = v.viewport[0] + v.viewport[2] * (clip[0] / clip[3] + 1.0) / 2.0;
  wy = v.viewport[1] + v.viewport[3] * (clip[1] / clip[3] + 1.0) / 2.0;
  return true;
}

void Overlay_To_Pointer(int width, int height, float x, float y, int& px, int& py) {
  const ViewTransform v = Overlay_View(width, height);
  double wx = 0.0, wy = 0.0;
  Project(v, x, y, 0.0, wx, wy);
  px = static_cast<int>(std::lround(wx));
  py = static_cast<int>(std::lround(height - wy));
}
