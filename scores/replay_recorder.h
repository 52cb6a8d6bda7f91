// ReplayRecorder: the recording of the attempt in progress, replay_1.tmp.
// The game's drain hands it the events of each frame after the step; it
// appends them in the replay event format. It is only ever a work file:
// a score file is made from it by Save_Replay.
#pragma once

#include <cstdio>
#include <string>

#include "game/colors.h"
#include "game/events.h"

class ReplayRecorder {
 public:
  ReplayRecorder() = default;
  ~ReplayRecorder() { Close(); }
  ReplayRecorder(const ReplayRecorder&) = delete;
  ReplayRecorder& operator=(const ReplayRecorder&) = delete;

  // Starts a new recording at path with the shooter's colour as its first
  // event; any recording still open is closed first. False (and nothing is
  // recorded for this attempt) when the file cannot be created.
  bool Open(const std::string& path, const Color& shooter);
  // Appends one event; nothing while no recording is open.
  void Record(const ReplayEvent& e);
  // False when something could not be written: the recording is incomplete.
  bool Close();
  bool Is_Open() const { return file_ != nullptr; }

 private:
  std::FILE* file_ = nullptr;
  bool failed_ = false;
};
