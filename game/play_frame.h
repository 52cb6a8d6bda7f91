// Play_Frame: the one per-frame sequence of play, shared by the game, the
// level checks of prismel-sim and the tests, so that a headless run does
// exactly what a played one does.
//
// In order: age the hit flashes, Game_Step unless paused, fire when asked
// and allowed, then advance the shooter's ReplayClock and report the aim
// every 0.04 s. The frame time is the one g.Timer hands out. It reads no
// key itself: the caller turns its keys (or a solution) into a PlayInput.
#pragma once

struct GameState;

inline constexpr int kFireAtAnyAngle = -1;
inline constexpr float kAngleSampleInterval = 0.04f;  // seconds between reported shooter angles

struct PlayInput {
  bool turn_left = false;   // held this frame: the aim turns up to 160 degrees
  bool turn_right = false;  // held this frame: the aim turns down to 20 degrees
  bool fire = false;        // Space asked for a shot this frame
  // A scripted player fires only once the aim reads this whole degree after
  // the turn of this frame; a person fires at whatever the aim is.
  int fire_at = kFireAtAnyAngle;
};

// True when a disc left the gun this frame. No shot is fired while paused
// or once the level is complete.
bool Play_Frame(GameState& g, const PlayInput& in);
