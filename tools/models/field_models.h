// The play-field's fixed parts: the wall layout (wall file number 1), the
// collision outline of the walls' inner faces and the ground under the field.
//
// The wall pieces are only drawn; discs bounce off the collision outline, so
// the two must agree, and both are derived here from the same inner-face
// lines. Nothing here reads a level.
#pragma once

#include <string>
#include <vector>

#include "model_mesh.h"

namespace models {

// One wall piece: a copy of the solid brick, centred at (x, y) and turned
// counter-clockwise by `angle` degrees.
struct WallPiece {
  double x = 0.0;
  double y = 0.0;
  double angle = 0.0;
};

// Side walls fill exactly the height between the inner faces of the bottom
// and top walls; the bottom and top walls run over the corners and, since
// their length is not a whole number of pieces, a little past the side walls'
// outer faces, so no two pieces overlap. Each piece's inner long face lies on
// an inner-face line. Throws std::logic_error when the measures do not allow
// this (side length not a whole number of pieces, too many pieces, or a piece
// outside the visible area).
std::vector<WallPiece> wall_layout();

// The wall file: a first word, then one line "piece index x y angle" per
// piece, where each line's leading word is the word that follows the record
// before it.
std::string wall_file_text(const std::vector<WallPiece>& pieces);

// Four vertical strips standing on the inner-face lines from z = 0 up to the
// brick height; their only edges at z = 0 are the four inner faces.
Mesh make_collision_outline();

// A flat floor at the ground level under the field and the walls.
Mesh make_ground(const std::vector<WallPiece>& pieces);

}  // namespace models
