// The frame loop: refill audio, tick the clock, take the window's events
// (which fill the key array and the pointer), clear, run the current
// screen, advance and draw the fader, swap. While the window has no focus
// only the drawing runs, a level or replay in progress is paused, and the
// loop sleeps 100 ms a frame.
#pragma once

class Game;

// Called between the screen's drawing and the swap, with the finished
// picture still in the back buffer (a script takes its screenshots there).
class FrameObserver {
 public:
  virtual ~FrameObserver() = default;
  // Before the frame's screen step: the platform's input is in, and may be
  // replaced (a script feeds its own keys and pointer).
  virtual void Before_Step(Game& /*game*/) {}
  virtual void Before_Swap(Game& /*game*/) {}
};

void Run_Main_Loop(Game& game, FrameObserver* observer = nullptr);
// One frame of the loop (tests drive the loop frame by frame).
void Run_Frame(Game& game, FrameObserver* observer = nullptr);
// The active step of the current screen, without input, clear or swap.
void Run_Screen(Game& game);
