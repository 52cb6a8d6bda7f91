// The frame loop: refill audio, tick the clock, take the window's events,
// clear, run the current screen's step, advance the fader, swap. While the
// window has no focus only the drawing runs, a level or replay in progress
// is paused, and the loop sleeps 100 ms a frame.
#pragma once

class Game;

void Run_Main_Loop(Game& game);
// One frame of the loop (tests drive the loop frame by frame).
void Run_Frame(Game& game);
