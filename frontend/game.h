// Game: the one object of the running game: the game state and the engine
// objects that only the real game has (window, audio), the screen fader and
// the hit-effect pictures. It answers what the simulation reports: it plays
// sounds, takes the pictures of hit flashes, and (later) records replays.
#pragma once

#include <array>
#include <vector>

#include "engine/audio.h"
#include "engine/window.h"
#include "game/events.h"
#include "game/game_state.h"

enum FadePhase { FADE_IDLE = 0, FADE_IN = 1, FADE_OUT = 2 };

struct ScreenFade {
  int Kind = 0;     // who started it: 0 start, 1 start-up screen, 2 menu, 3 in-game keys, 4 replay
  int Target = MODE_QUIT;
  float Remaining = 0.0f;    // seconds left in this phase
  float PhaseLength = 0.0f;  // seconds of each phase
  int Phase = FADE_IDLE;
  int Param = -1;
};

// How long the title stays after the score tables are warmed, at least.
// Longer than strictly needed, so that the title is really seen; any key
// skips the rest.
inline constexpr float kTitleHoldSeconds = 3.5f;

// What the drawing of the play-field keeps between calls: the matrices the
// hit flashes are placed with, the flash pictures and the batch buffer.
struct SceneState {
  double modelview[16] = {};
  double projection[16] = {};
  int viewport[4] = {};
  std::array<unsigned int, kHitEffectCount> effect_textures{};
  std::array<float, kHitEffectCount> effect_window_x{};
  std::array<float, kHitEffectCount> effect_window_y{};
  std::vector<float> batch;
};

class Game : public GameEvents {
 public:
  Game(GameState& state, const char* log_path, int audio_channels);

  void Record_Event(const ReplayEvent& e) override;
  void Play_Sound(int channel) override;
  void Effect_Started(int slot, float x, float y) override;

  GameState& g;
  CKorvidWindow window;
  CKorvidAudio audio;
  ScreenFade fade;
  SceneState scene;
  float title_hold = -1.0f;  // seconds the title stays on; -1 while fading
};
