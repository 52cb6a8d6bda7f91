// What the simulation tells the outside world.
//
// The rules of play never touch OpenGL, audio, files or the network. When
// something happens that a player should hear or see, or that a replay must
// store, the core calls this interface. The game listens with an EventQueue
// (game/event_queue.h) and drains it once after the step: sounds, flash
// pictures, the replay writer, the score ranking. Tests and prismel-sim
// record the calls or ignore them (the defaults do nothing).
#pragma once

#include "game/colors.h"
#include "game/vec3.h"

enum ReplayEventType {
  EVENT_BRICK_REMOVED = 0,  // arg: brick index before removal
  EVENT_DISC_CREATED = 1,   // arg: IsRing; position, velocity, colour
  EVENT_DISC_REMOVED = 2,   // arg: disc index before removal
  EVENT_DISC_STATE = 3,     // arg: disc index; position, velocity
  EVENT_SHOOTER_COLOR = 4,  // colour
  EVENT_SHOOTER_ANGLE = 5,  // arg: whole degrees
  EVENT_REPLAY_END = 6,
};

struct ReplayEvent {
  ReplayEventType type = EVENT_REPLAY_END;
  float time = 0.0f;       // LevelTime when it happened, seconds
  bool playing = false;    // the level was LEVEL_PLAYING then: only such events are recorded
  int arg = 0;
  Vec3 position;
  Vec3 velocity;
  Color color;
};

// Sound channels of the play-field.
enum SoundChannel {
  SOUND_MENU_CHANGE = 0,
  SOUND_MENU_SELECT = 1,
  SOUND_DISC_BRICK = 2,    // disc against wall, brick, force field or shooter
  SOUND_DISC_DISC = 3,     // two discs bounce
  SOUND_DISC_COMBINE = 4,  // two discs merge
};

class GameEvents {
 public:
  virtual ~GameEvents() = default;
  virtual void Record_Event(const ReplayEvent& /*event*/) {}
  virtual void Play_Sound(int /*channel*/) {}
  // A hit-effect slot was started at a play-field position; the drawing side
  // takes its picture for the flash.
  virtual void Effect_Started(int /*slot*/, float /*x*/, float /*y*/) {}
  // The goals of the level hold: the score table ranks the time.
  virtual void Level_Completed(float /*seconds*/) {}
};
