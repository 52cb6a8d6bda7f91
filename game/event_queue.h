// EventQueue: what one frame of play reported, in the order it happened.
//
// The step must not read files or draw, yet what it causes needs both (a
// flash takes a picture of the frame, a completed level reads its score
// table, replay events go to a file). So the game listens with this queue
// and drains it once after the step, in one place. Tests use it to see what
// a step reported.
#pragma once

#include <vector>

#include "game/events.h"

struct QueuedEvent {
  enum Kind { REPLAY, SOUND, EFFECT, LEVEL_COMPLETED };
  Kind kind = REPLAY;
  ReplayEvent replay;    // REPLAY
  int value = 0;         // SOUND: the channel; EFFECT: the hit-effect slot
  float x = 0.0f;        // EFFECT: play-field position of the flash
  float y = 0.0f;
  float seconds = 0.0f;  // LEVEL_COMPLETED: the level time
};

class EventQueue : public GameEvents {
 public:
  void Record_Event(const ReplayEvent& event) override;
  void Play_Sound(int channel) override;
  void Effect_Started(int slot, float x, float y) override;
  void Level_Completed(float seconds) override;

  // What was queued since the last Clear, in order. Acting on it must not
  // queue more; Clear keeps the storage for the next frame.
  const std::vector<QueuedEvent>& Pending() const { return events_; }
  void Clear() { events_.clear(); }
  bool Empty() const { return events_.empty(); }

 private:
  std::vector<QueuedEvent> events_;
};
