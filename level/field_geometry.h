// The fixed measures of the play-field, in play-field units (the plane z = 0,
// x to the right, y up). The model generator builds the walls, the collision
// outline and the shooter from these numbers, and the level tools (map
// drawing, solver) read them, so a level designer and the geometry always
// agree on where the walls stand.
//
// This header holds constants only: nothing here may depend on a model file
// having been loaded.
#pragma once

#include <cmath>

namespace field {

// Any coordinate, speed or angle read from a file lies within this of zero
// (units, units per second, degrees); anything farther, infinite or not a
// number is refused before it reaches the play-field. The field itself is
// under 100 units across.
inline constexpr float kMaxFileValue = 1.0e4f;
inline bool Plausible(float v) { return std::isfinite(v) && std::fabs(v) <= kMaxFileValue; }

// Inner faces of the walls: a disc centre stays at least one disc radius
// inside these lines.
inline constexpr float kInnerLeft = -37.5f;    // units
inline constexpr float kInnerRight = 37.5f;    // units
inline constexpr float kInnerBottom = -44.0f;  // units
inline constexpr float kInnerTop = 46.0f;      // units

// A wall piece is a copy of the solid-brick mesh: kBrickLength along its
// local x axis, kBrickWidth across, standing from z = 0 (lowered to -2 when
// placed) up to kBrickHeight.
inline constexpr float kBrickLength = 6.0f;  // units
inline constexpr float kBrickWidth = 2.0f;   // units
inline constexpr float kBrickHeight = 2.0f;  // units

inline constexpr float kDiscRadius = 1.5f;  // units

// The shooter turns about this point; a fired disc starts kMuzzleDistance
// from it along the aim.
inline constexpr float kShooterPivotX = 0.0f;       // units
inline constexpr float kShooterPivotY = -43.5f;     // units
inline constexpr float kShooterBaseY = -42.5f;      // units
inline constexpr float kMuzzleDistance = 5.0f;      // units
inline constexpr float kShotSpeed = 20.0f;          // units per second
inline constexpr float kAimMin = 20.0f;             // degrees
inline constexpr float kAimMax = 160.0f;            // degrees
inline constexpr float kTurnSpeed = 50.0f;          // degrees per second

// The clock and the aim read-outs are drawn on the play plane itself, at the
// left and right of the middle of the field: glyphs kReadoutSize high (their
// cells 4/3 of that), from these lower-left corners. A brick standing there
// hides what the player reads, so the level tools warn of it.
inline constexpr float kClockReadoutX = -32.9f;  // units
inline constexpr float kAimReadoutX = 24.4f;     // units
inline constexpr float kReadoutY = -7.7f;        // units
inline constexpr float kReadoutSize = 2.0f;      // units

}  // namespace field
