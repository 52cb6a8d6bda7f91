// The options panel of the menu: four rows, each a setting the player
// toggles with a click (Sound, Camera View, Color Blind Symbols, Upload High
// Scores). The change takes effect at once and is saved at exit.
#pragma once

struct GameState;
struct OverlayPointer;
struct Canvas;
class Game;

inline constexpr int kOptionRows = 4;

// A click on a row toggles its setting; the click sound plays when Sound
// is on at that moment, so switching sound on is silent and off clicks.
// True when a row took the click.
bool Options_Click(Game& game, const OverlayPointer& p);
void Options_Draw(const GameState& g, const OverlayPointer& p, Canvas& c);
