// Draws a loaded level from above as an SVG picture: walls, collision
// outline, bricks, discs and rings in their colours with velocity arrows,
// force fields with the direction they let through, the shooter and its aim
// range, and the level's goals. How a designer reviews a level without
// starting the game.
#pragma once

#include <string>

struct GameState;

std::string Level_Svg(const GameState& g, int level);
