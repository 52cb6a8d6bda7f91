// The shooter's two models: the base (placed at the base position) and the
// gun (placed at the pivot, pointing along +y in model space, turned about
// the pivot by the game), with the check that a disc leaving the muzzle does
// not touch either of them.
//
// Collision: the game collides discs with every triangle edge whose two end
// points lie at z <= 0.1. Each model keeps such edges only on its footprint
// outline, and the footprints stay clear of a disc fired at any aim.
#pragma once

#include <vector>

#include "model_mesh.h"

namespace models {

Mesh make_shooter_base();

// Points 8 to 11 are the corners of the symbol plate and the last two
// triangles are the plate (the game draws them only with colour-blind symbols
// on); no other triangle uses those points.
Mesh make_shooter_gun();

struct Segment {
  Vec3 a;
  Vec3 b;
};

// The edges of `mesh` that collide with discs (both ends at z <= 0.1), each
// once, in model space.
std::vector<Segment> collision_edges(const Mesh& mesh);

// Smallest gap between a freshly fired disc and the collision edges of the
// placed base and gun, over every aim the shooter can take (including the
// gun's overshoot of a limit by one frame's turn and the whole-degree
// rounding of the shot direction), and between that disc and the bottom
// wall's inner face. Negative or zero means the disc would touch something.
double muzzle_clearance(const Mesh& base, const Mesh& gun);

}  // namespace models
