// Plays a level as a player would, headless: holds the arrow keys until the
// aim reaches the wanted whole degree, presses Space when the time has come
// and the shooter has reloaded, and steps the game at a fixed 1/60 s frame.
// Solutions are the files of level/solution_file.h.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "game/goals.h"
#include "level/solution_file.h"

struct GameState;

inline constexpr float kSimFrameTime = 1.0f / 60.0f;  // seconds

// How a simulated player differs from the exact one: its machine's frame
// times, and its hand (aim off by whole degrees, Space pressed late).
struct PlayConditions {
  float frame_min = kSimFrameTime;  // seconds; each frame's time is drawn
  float frame_max = kSimFrameTime;  // uniformly from [min, max]
  uint32_t seed = 1;                // for the frame times and the hand
  int aim_offset = 0;               // degrees added to every shot's aim
  int aim_spread = 0;               // plus a whole degree in [-spread, spread] per shot
  float late = 0.0f;                // seconds every shot is pressed late
  float late_spread = 0.0f;         // plus [0, spread) seconds per shot
};

struct PlayResult {
  bool completed = false;
  float time = 0.0f;  // level time at completion (or when play stopped)
  int score = 0;
  int shots_fired = 0;
  FieldCounts counts;
  int discs = 0;
};

// Starts the loaded level (as Space does) and plays the shots, then keeps
// stepping until the level completes, can no longer finish, or `give_up`
// seconds of level time have passed. after_frame, when given, runs after
// every frame (to drain what the frame reported).
PlayResult Play_Shots(GameState& g, const std::vector<Shot>& shots, float give_up,
                      const std::function<void()>& after_frame = {});
// The same under other conditions.
PlayResult Play_Shots(GameState& g, const std::vector<Shot>& shots, float give_up, const PlayConditions& c,
                      const std::function<void()>& after_frame = {});

// One frame of the player through the shared Play_Frame: steer towards
// `target`, step, then fire if may_fire and the aim has reached the target.
// True when a disc left the gun.
bool Player_Frame(GameState& g, int target, bool may_fire, float frame_time = kSimFrameTime);
