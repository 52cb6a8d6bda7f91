#include "frontend/game.h"

#include "frontend/scene.h"

namespace {
constexpr float kNearPlane = 50.0f;   // units
constexpr float kFarPlane = 125.0f;   // units
}  // namespace

Game::Game(GameState& state, const char* log_path, int audio_channels)
    : g(state), window(kNearPlane, kFarPlane, log_path, nullptr), audio(audio_channels, state.ProgramFolder) {
  g.Events = this;
  g.Textures = &window;
  window.keys = g.Keys.data();
  window.program_folder = state.ProgramFolder;
}

void Game::Record_Event(const ReplayEvent&) {
  // Replays are recorded once the replay writer exists; until then play
  // events are not kept.
}

void Game::Play_Sound(int channel) {
  if (g.Sound == 1) audio.Play(channel);
}

void Game::Effect_Started(int slot, float x, float y) { Capture_Effect(*this, slot, x, y); }
