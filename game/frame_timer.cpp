#include "game/frame_timer.h"

void FrameTimer::Calibrate() {
  current_ = previous_ = std::chrono::steady_clock::now();
  frame_time_ = 0.0f;
}

void FrameTimer::Tick() {
  previous_ = current_;
  current_ = std::chrono::steady_clock::now();
  Set_Frame_Time(fixed_step_ > 0.0f ? fixed_step_ : std::chrono::duration<float>(current_ - previous_).count());
}

void FrameTimer::Set_Frame_Time(float seconds) {
  if (!(seconds > 0.0f)) seconds = 0.0f;  // also catches NaN
  frame_time_ = seconds > kMaxFrameTime ? kMaxFrameTime : seconds;
}
