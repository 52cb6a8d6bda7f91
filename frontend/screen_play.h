// The play screen (MODE_GAME): a level is played.
//
// Each frame it draws the field as it stands, then updates: the camera
// glide, the shared Play_Frame, the drain of what the step reported, the
// name entry of the level-complete panel, and the in-game keys. Drawing first
// lets a flash take its picture from the frame just drawn.
#pragma once

struct GameState;
struct FrontState;
struct Canvas;
class Game;

inline constexpr float kKeyRepeatGuard = 0.5f;  // seconds between accepted F5 / Enter / P

// The fade into the play screen has reached black: load the level unless a
// level in progress is being continued.
void Play_Arrive(Game& game);
void Play_Update(Game& game);
void Play_Draw(const GameState& g, Canvas& c);
// The in-game keys (Escape, F1, F2, F5, Enter, P, Space), once a frame.
void Game_Input(Game& game);
