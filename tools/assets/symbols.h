// The colour symbols "symbol_<colour>.png": one distinct shape per named
// colour, so a player who cannot tell the colours apart can tell the shapes.
//
// The game draws them tinted black over discs and on the shooter's plates,
// untinted in the tutorial and tinted by the colour on force fields. So each
// is a light shape with a dark rim on a fully transparent background: no
// plate of their own that would darken a disc beyond its edge. The shape keeps
// inside the middle of the picture, clear of the disc's rim.
#pragma once

#include <string>
#include <vector>

#include "image.h"

namespace assets {

enum class SymbolShape { Circle, Square, Diamond, Crescent, Triangle, Cross, Star };

struct SymbolInfo {
    std::string file;  // e.g. "symbol_blue.png"
    SymbolShape shape;
};

// The seven symbols in the order of the game's texture table (blue, green,
// orange, purple, red, white, yellow).
std::vector<SymbolInfo> Symbol_List();

Image Build_Symbol(SymbolShape shape);

}  // namespace assets
