// The shooter at the bottom of the play-field: its colour dealing, firing
// and the colour glide. Turning happens inside Game_Step, which reads the
// arrow keys of the key array.
#pragma once

struct GameState;

inline constexpr float kReloadTime = 1.0f;  // seconds between shots

// Fires one disc along the aim truncated to whole degrees, when the reload
// time has passed and the field holds fewer than 40 discs.
void Fire(GameState& g);

// Deals the next colour from the palette, in turn or at random.
void Next_Color(GameState& g);

// The palette size actually dealt from: the level's count limited to 1..10.
int Dealt_Palette_Count(const GameState& g);
