// Height of the floor drawn under the play-field.
//
// It lies just below the discs (whose bottoms the game lowers to -0.75), so
// discs seem to rest on it, while the lowered bottoms of bricks and wall
// pieces (-2) and the lower halves of force fields (down to -3) lie beneath
// it and show faintly through it. The shooter base stands on it.
#pragma once

namespace models {

inline constexpr double kGroundZ = -0.8;  // units

}  // namespace models
