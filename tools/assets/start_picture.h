// "menu_intro.png": the picture of the start-up screen, shown while the
// game warms up. It carries the name "Prismel" under a faceted crystal that
// doubles as the game's colour-mixing chart, on the night-blue ground and
// triangle lattice of the menu footer.
//
// The game draws it opaque on a square from 30% to 70% of the window both
// ways, so on screen it is as wide as the window is relative to its height
// (16 : 15 for the game's window). The drawing is laid out in that screen
// shape and squeezed into the 512 x 512 picture. Its border fades to black to
// meet the black screen around it without an edge.
#pragma once

#include <string>

#include "image.h"
#include "text_raster.h"

namespace assets {

Image Build_Start_Picture(const FontLibrary& library, const std::string& bold_font_path);

}  // namespace assets
