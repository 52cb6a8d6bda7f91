// Game_Step: one frame of play. In order: test the goals, glide the shooter's
// colour, turn the shooter by the arrow keys, move every disc in a straight
// line, then resolve each disc's contacts with the walls, force fields,
// bricks, the shooter and the other discs (bounce, pass, break, merge).
//
// Reads the frame time from g.Timer and the keys from g.Keys; reports sounds,
// flashes and replay events through g.Events. It keeps no state of its own.
#pragma once

struct GameState;

void Game_Step(GameState& g);

// Hit flashes: five slots; a started flash loses `rate` of its life per
// second. The drawing side shows them; the core only ages them.
void Start_Effect(GameState& g, float x, float y, float rate);
void Age_Effects(GameState& g, float dt);
