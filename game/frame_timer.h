// The one clock of the game: the length of the last frame, in seconds.
//
// Everything that moves, ages or counts per frame reads Frame_Time(). A frame
// longer than kMaxFrameTime (a stall, a window drag, a debugger stop) is
// counted as kMaxFrameTime, so a disc can never travel through a wall in one
// step. Headless runs set the frame time themselves with Set_Frame_Time.
#pragma once

#include <chrono>

class FrameTimer {
 public:
  static constexpr float kMaxFrameTime = 1.0f / 20.0f;  // seconds

  FrameTimer() { Calibrate(); }

  // Starts measuring from now; the steady clock needs no tick-rate probe.
  void Calibrate();
  // Once per frame: the time since the previous Tick becomes the frame time.
  void Tick();
  float Frame_Time() const { return frame_time_; }
  // For fixed-step runs (tests, prismel-sim); the same cap applies.
  void Set_Frame_Time(float seconds);
  // From now on every Tick hands out this frame time instead of the
  // measured one (a scripted run repeats exactly); 0 measures again.
  void Set_Fixed_Step(float seconds) { fixed_step_ = seconds > 0.0f ? seconds : 0.0f; }

 private:
  std::chrono::steady_clock::time_point previous_{};
  std::chrono::steady_clock::time_point current_{};
  float frame_time_ = 0.0f;
  float fixed_step_ = 0.0f;
};
