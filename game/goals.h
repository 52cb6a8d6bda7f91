// The goals of a level at run time: whether they all hold now, whether they
// can still be reached, and what completing the level does.
#pragma once

struct GameState;

struct FieldCounts {
  int hollow_bricks = 0;
  int plain_discs = 0;
  int rings = 0;
};
FieldCounts Count_Field(const GameState& g);

// All six goal tests (hollow bricks, plain discs, force fields, points,
// rings, time rule).
bool Level_Goals_Met(const GameState& g);

// False once the level can no longer be won: objects that can only vanish
// are too few, a ring's colour has no plain disc left to take it, a force
// field's colour has too few discs, the score fell below 0 with no points
// goal, or the time rule has run out.
bool Level_Can_Finish(const GameState& g);

// Marks the level complete and reports the time (Level_Completed) to whoever
// ranks it; it reads no file itself.
void Complete_Level(GameState& g);
