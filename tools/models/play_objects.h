// The four template models of the play-field objects: the solid and the
// hollow brick, the plain disc and the ring. Wall pieces are copies of the
// solid brick.
//
// Model space: centred on the origin, the play plane at z = 0. Points at
// exactly z = 0 are the ones the game lowers when it places an object (bricks
// to -2, discs to -0.75), so each model keeps its whole footprint, and only
// that, at z = 0. Nothing here places objects in a level.
#pragma once

#include "model_mesh.h"

namespace models {

Mesh make_solid_brick();
Mesh make_hollow_brick();
Mesh make_plain_disc();
Mesh make_ring();

}  // namespace models
