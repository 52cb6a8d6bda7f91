#include "game/camera.h"

void Camera_Preset(int view, Vec3& rotation, Vec3& translation) {
  if (view == 0) {
    rotation = {359.0f, 0.0f, 0.0f};
    translation = {0.0f, -1.0f, -115.0f};
  } else {
    rotation = {320.0f, 0.0f, 0.0f};
    translation = {0.0f, 10.0f, -87.0f};
  }
}

void Camera_Snap(Camera& c, int view) {
  Camera_Preset(view, c.rotation, c.translation);
  c.target_rotation = c.rotation;
  c.target_translation = c.translation;
}

void Camera_Set_Target(Camera& c, int view) { Camera_Preset(view, c.target_rotation, c.target_translation); }

bool Approach(float& value, float target, float step) {
  if (value > target) {
    value = value - step < target ? target : value - step;
    return true;
  }
  if (value < target) {
    value = value + step > target ? target : value + step;
    return true;
  }
  return false;
}

namespace {

float Wrap(float a) {
  while (a > 360.0f) a -= 360.0f;
  while (a < 0.0f) a += 360.0f;
  return a;
}

// Turns an angle towards its target along the shorter arc, stopping there.
void Turn(float& angle, float& target, float step) {
  angle = Wrap(angle);
  target = Wrap(target);
  if (angle == target) return;
  const float diff = target - angle;
  const bool down = (diff < 0.0f && diff >= -180.0f) || diff > 180.0f;
  if (down) {
    // Moving straight down to a target below: stop on it.
    if (diff < 0.0f && angle - step < target) {
      angle = target;
    } else {
      angle -= step;
    }
  } else if (diff > 0.0f && angle + step > target) {
    angle = target;
  } else {
    angle += step;
  }
}

}  // namespace

void Camera_Update(Camera& c, float dt) {
  const float turn = c.angular_speed * dt;
  Turn(c.rotation.x, c.target_rotation.x, turn);
  Turn(c.rotation.y, c.target_rotation.y, turn);
  Turn(c.rotation.z, c.target_rotation.z, turn);
  const float move = c.linear_speed * dt;
  Approach(c.translation.x, c.target_translation.x, move);
  Approach(c.translation.y, c.target_translation.y, move);
  Approach(c.translation.z, c.target_translation.z, move);
}
