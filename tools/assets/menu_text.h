// The word pictures of the menu: the four button captions ("New Game",
// "Continue", "Website", "Exit") and the three panel headings ("Current
// Level", "High Scores", "Options"), each 512 x 64.
//
// The game stretches a button caption over 24.2 x 3.0 overlay units and a
// heading over 19.5 x 2.25 (times the window's width / height on both, so the
// on-screen aspect is fixed): 8.07 : 1 and 8.67 : 1. The words are drawn
// squeezed sideways by the ratio of that to the picture's 8 : 1, so they look
// true on screen. They sit at the left, where the buttons' hit areas are.
// Style: a silvery white face with a fine dark edge and a soft shadow, on a
// transparent background.
#pragma once

#include <string>

#include "image.h"
#include "text_raster.h"

namespace assets {

enum class MenuTextKind { Button, Heading };

Image Build_Menu_Text(const FontLibrary& library, const std::string& bold_font_path, const std::string& words,
                      MenuTextKind kind);

}  // namespace assets
