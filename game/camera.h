// The camera of the play-field: two presets (top and side view) and a glide
// between them when the view setting changes, at fixed angular and linear
// speeds. The drawing applies translate(translation), rotate(x angle about
// x), rotate(z angle about z); the y angle is kept but not applied.
#pragma once

#include "game/vec3.h"

struct Camera {
  float angular_speed = 20.0f;  // degrees per second
  float linear_speed = 14.5f;   // units per second
  Vec3 rotation;                // degrees about x, y, z
  Vec3 target_rotation;
  Vec3 translation;             // units
  Vec3 target_translation;
};

// View 0 is the top view, any other value the side view.
void Camera_Preset(int view, Vec3& rotation, Vec3& translation);
// Sets targets and current values to the preset: no glide.
void Camera_Snap(Camera& c, int view);
void Camera_Set_Target(Camera& c, int view);
void Camera_Update(Camera& c, float dt);

// Moves value towards target by step without passing it; false when it is
// already there.
bool Approach(float& value, float target, float step);
