// The surface textures of the play field: "brick.png" (bricks, wall pieces,
// shooter base), "ground.png" (the ground and plain force-field faces) and
// "ground_test.png" (the face of every disc and ring).
//
// All three are multiplied by the objects' vertex colours in the game, so they
// are nearly colourless and light; they give the surfaces form (bevels, a
// grid, a soft dome) without shifting the colours the rules depend on. All
// are opaque and 256 x 256; brick and ground tile seamlessly.
#pragma once

#include "image.h"

namespace assets {

Image Build_Brick_Texture();
Image Build_Ground_Texture();
Image Build_Disc_Texture();

}  // namespace assets
