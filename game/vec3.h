// Small value types for positions, velocities and colours.
//
// Vec3 is three 32-bit floats. A quotient by zero gives the zero vector and
// normalising a zero vector leaves it unchanged, so a degenerate triangle or a
// disc at rest never spreads NaN through the simulation.
#pragma once

#include <cmath>

struct Vec3 {
  float x = 0.0f;
  float y = 0.0f;
  float z = 0.0f;

  constexpr Vec3() = default;
  constexpr Vec3(float x_, float y_, float z_) : x(x_), y(y_), z(z_) {}

  void Set(float x_, float y_, float z_) {
    x = x_;
    y = y_;
    z = z_;
  }

  friend constexpr bool operator==(const Vec3& a, const Vec3& b) {
    return a.x == b.x && a.y == b.y && a.z == b.z;
  }
  friend constexpr bool operator!=(const Vec3& a, const Vec3& b) { return !(a == b); }

  constexpr Vec3 operator+(const Vec3& o) const { return {x + o.x, y + o.y, z + o.z}; }
  constexpr Vec3 operator-(const Vec3& o) const { return {x - o.x, y - o.y, z - o.z}; }
  constexpr Vec3 operator*(float s) const { return {x * s, y * s, z * s}; }
  constexpr Vec3 operator/(float s) const {
    if (s == 0.0f) return {};
    return {x / s, y / s, z / s};
  }
  Vec3& operator+=(const Vec3& o) { return *this = *this + o; }
  Vec3& operator-=(const Vec3& o) { return *this = *this - o; }

  float Length() const { return std::sqrt(x * x + y * y + z * z); }

  void Normalize() {
    const float len = Length();
    if (len == 0.0f) return;
    x /= len;
    y /= len;
    z /= len;
  }

  constexpr float Dot(const Vec3& o) const { return x * o.x + y * o.y + z * o.z; }
  constexpr Vec3 Cross(const Vec3& o) const {
    return {y * o.z - z * o.y, z * o.x - x * o.z, x * o.y - y * o.x};
  }
};

struct Vec2 {
  float x = 0.0f;
  float y = 0.0f;

  constexpr Vec2() = default;
  constexpr Vec2(float x_, float y_) : x(x_), y(y_) {}
  void Set(float x_, float y_) {
    x = x_;
    y = y_;
  }
  constexpr Vec2 operator+(const Vec2& o) const { return {x + o.x, y + o.y}; }
};
