// Building blocks shared by the model shapes: solids of revolution (discs,
// rings, turrets) and bands that join two outlines one above the other
// (brick sides, the shooter base's skirt).
//
// These helpers only add faces to a mesh; they do not decide sizes or
// positions of anything in the game.
#pragma once

#include <vector>

#include "model_mesh.h"

namespace models {

// A point of a cross-section: distance from the z axis and height.
struct ProfilePoint {
  double r = 0.0;
  double z = 0.0;
};

// Turns a cross-section about the z axis in `sides` equal steps. The profile
// runs around the solid counter-clockwise in the (r, z) plane (up the outer
// side, inward over the top, down an inner side), so the solid lies to the
// left of each step and its outside to the right. A profile point with r = 0
// closes the solid with a fan of triangles. Texture coordinates: faces
// steeper than 45 degrees wrap `side_repeats` times around; flatter faces take
// a top-down projection with `top_scale` units per texture width, centred.
void add_revolved(Mesh& mesh, const std::vector<ProfilePoint>& profile, int sides, double side_repeats,
                  double top_scale);

// A closed outline in the play plane, counter-clockwise seen from above.
using Outline = std::vector<Vec3>;

// Adds the points of `outline` at height z and returns their indices.
std::vector<int> add_ring(Mesh& mesh, const Outline& outline, double z);

// Joins two rings of the same length (lower below upper, both following the
// same counter-clockwise outline) with one quad per edge, facing away from the
// outline's inside, or towards it with `facing_out` false (the inner walls of
// a hole). Each quad is split from its lower first corner to its upper second
// corner, so the band's only edges at the lower ring's height are the lower
// ring's own. Texture coordinates: u runs along the outline at `scale` units
// per texture width, v up the band by height at the same scale.
void add_band(Mesh& mesh, const std::vector<int>& lower, const std::vector<int>& upper, double scale,
              bool facing_out = true);

// Closes a ring that is convex and level with a fan from its first point,
// facing up (+z) or down. Texture coordinates come from a top-down
// projection with `scale` units per texture width.
void add_cap(Mesh& mesh, const std::vector<int>& ring, bool facing_up, double scale);

// Top-down texture coordinates of a point: `scale` units per texture width,
// the origin at the middle of the texture.
Uv top_down_uv(Vec3 p, double scale);

}  // namespace models
