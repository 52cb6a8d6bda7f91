// Load_Level: turns a level number into a ready play-field, waiting for the
// player (the tutorial alone starts at once).
//
// Order: release the previous objects; reload and place the shooter meshes;
// reset the shooter and play state; run the objects, goals and points passes
// on "data/levels/level_NNN.dat" (or the built-in text); place the pieces of
// wall file 1; load the collision outline. A missing file is logged by its
// loader and loading goes on with what there is.
#pragma once

struct GameState;

void Load_Level(GameState& g, int level);

// Loads the mixing table and the four templates (plain disc, ring, solid
// brick, hollow brick) and the ground, from data/models.pak in the program
// folder; the game does this once at start-up. False when a model is missing.
bool Load_Play_Field_Templates(GameState& g);
