// Planar headings: degrees counter-clockwise from +x, 90 straight up.
#pragma once

#include "game/vec3.h"

// Heading from one point to another in the play plane, in [0, 360).
float Heading(const Vec3& from, const Vec3& to);

// Whether heading h lies on the counter-clockwise arc from `from` to `to`;
// the arc may wrap through 0.
bool Angle_In_Range(float from, float to, float h);
