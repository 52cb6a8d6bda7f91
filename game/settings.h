// The seven settings that persist between runs in config.dat. GameState
// carries them as its own members (g.CameraView, g.Level ...); the table in
// frontend/config drives both reading and writing the file.
#pragma once

struct Settings {
  int CameraView = 1;         // 0 top view, 1 side view
  int ColorBlindSymbols = 0;  // 1: colour symbols on discs, shooter and tutorial text
  int Level = 0;              // current level, 0 (tutorial) .. 60
  int Music = 0;              // kept and written back; nothing plays music
  int ShowReplayFPS = 0;      // 1: report frames, time and frame rate after a replay
  int Sound = 0;              // 1: sound effects on
  int UploadHighScores = 1;   // 1: send new top-five times to the web service
};
