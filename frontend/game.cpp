#include "frontend/game.h"

#include "engine/view_transform.h"

FrontState::FrontState() {
  for (int i = 0; i < kMenuButtonCount; ++i) {
    const ButtonLayout& l = kButtonLayout[i];
    buttons[static_cast<size_t>(i)] = Make_Button(l.anchor_x, l.anchor_y, l.width, l.height);
  }
}

Game::Game(GameState& state, const char* log_path, int audio_channels)
    : g(state), window(kNearPlane, kFarPlane, log_path, nullptr), audio(audio_channels, state.ProgramFolder) {
  g.Events = &events;
  g.Textures = &window;
  window.keys = g.Keys.data();
  window.pointer = &g.Pointer;
  window.program_folder = state.ProgramFolder;
}

void Set_Replay_Paths(Game& game) {
  const GameState& g = game.g;
  game.replays.Set_Paths({g.ScoresFolder, g.UserDataFolder, g.ReplayPath1, g.ReplayPath2});
}

void Start_Fade(Game& game, int kind, int target, float duration, int param) {
  game.g.Timer.Tick();
  Fade_Start(game.front.fade, kind, target, duration, param);
}

void Play_Ui_Sound(Game& game, int channel) {
  if (game.g.Sound == 1) game.audio.Play(channel);
}
