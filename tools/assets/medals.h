// "menu_medals.png": the status medal of the menu's progress summary.
//
// 512 x 512 in four quarters, as the game picks them by texture coordinate
// (t runs upwards, the picture's top row is t = 1): gold upper left, silver
// upper right, bronze lower left; the lower right quarter is not used and
// stays empty. The game shows one quarter on a square about 5% of the window
// wide, so each medal is a bold coin on a ribbon with a transparent
// background and a clear margin against its neighbours.
#pragma once

#include "image.h"

namespace assets {

Image Build_Medals();

}  // namespace assets
