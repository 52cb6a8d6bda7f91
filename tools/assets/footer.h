// "menu_footer.png": the band along the bottom of the menu.
//
// The game draws the footer in two quads that meet in the middle of the
// screen: the left quad shows the picture's upper half turned half a turn,
// the right quad its lower half as stored. So the footer is designed as one
// 1024 x 256 strip in screen orientation, and its left half is stored turned
// in the upper half of the 512 x 512 picture.
//
// The footer is drawn after the menu buttons and before the progress texts,
// and covers the bottom quarter of the screen. It must therefore stay fully
// transparent where the buttons sit (rows 71 to 114 of the strip) and where
// the progress totals are written (rows 0 to 26); it decorates the bottom edge
// below the buttons and draws a thin rule between totals and buttons.
#pragma once

#include "image.h"

namespace assets {

// The strip as seen on screen (1024 x 256).
Image Build_Footer_Strip();
// The stored picture (512 x 512) made from the strip.
Image Build_Footer();

}  // namespace assets
