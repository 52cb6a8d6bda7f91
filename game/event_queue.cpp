#include "game/event_queue.h"

void EventQueue::Record_Event(const ReplayEvent& event) {
  // Only events of a level in play are ever recorded; keeping the others
  // would let events of a level loaded in the menu pile up unseen.
  if (!event.playing) return;
  QueuedEvent q;
  q.kind = QueuedEvent::REPLAY;
  q.replay = event;
  events_.push_back(q);
}

void EventQueue::Play_Sound(int channel) {
  QueuedEvent q;
  q.kind = QueuedEvent::SOUND;
  q.value = channel;
  events_.push_back(q);
}

void EventQueue::Effect_Started(int slot, float x, float y) {
  QueuedEvent q;
  q.kind = QueuedEvent::EFFECT;
  q.value = slot;
  q.x = x;
  q.y = y;
  events_.push_back(q);
}

void EventQueue::Level_Completed(float seconds) {
  QueuedEvent q;
  q.kind = QueuedEvent::LEVEL_COMPLETED;
  q.seconds = seconds;
  events_.push_back(q);
}
