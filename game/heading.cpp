#include "game/heading.h"

#include <cmath>

float Heading(const Vec3& from, const Vec3& to) {
  const float dx = std::fabs(to.x - from.x);
  const float dy = std::fabs(to.y - from.y);
  if (dx == 0.0f) return to.y >= from.y ? 90.0f : 270.0f;
  const float theta = std::atan(dy / dx) * 57.29578f;  // radians to degrees
  if (to.x > from.x) return to.y >= from.y ? theta : 360.0f - theta;
  return to.y >= from.y ? 180.0f - theta : 180.0f + theta;
}

bool Angle_In_Range(float from, float to, float h) {
  if (from > to && to >= h) h += 360.0f;
  const float upper = from > to ? to + 360.0f : to;
  return from <= h && h <= upper;
}
