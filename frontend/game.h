// Game: the running game's one object: the game state, the engine objects
// only the real game has (window, audio), the queue the simulation reports
// into, and what the screens keep between frames (the fader, the menu's
// buttons, the title hold).
//
// Screens update through Game& and draw through (const GameState&,
// const FrontState&, Canvas&): a draw call reads the state and changes none.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/audio.h"
#include "engine/upload_thread.h"
#include "engine/window.h"
#include "frontend/fader.h"
#include "frontend/menu_layout.h"
#include "frontend/web_page.h"
#include "frontend/widgets.h"
#include "game/event_queue.h"
#include "game/game_state.h"
#include "scores/replay_manager.h"

// What the screens keep between frames, besides the game state.
struct FrontState {
  ScreenFade fade;
  std::array<MenuButton, kMenuButtonCount> buttons;
  float title_hold = -1.0f;  // seconds the title still stays on; -1 while fading
  std::string service_address = kDefaultServiceAddress;
  std::string web_opener = "xdg-open";
  // A score file to play instead of a row of the table (prismel --replay).
  std::string replay_file;
  bool tables_warmed = false;  // every level's best time is known
  bool start_in_game = false;  // after the title, play Level at once (prismel --level N)
  // The menu item the keys or a controller have highlighted (-1: none), and
  // where they put the pointer for it (a mouse that moves takes over).
  int menu_focus = -1;
  int focus_pointer_x = 0, focus_pointer_y = 0;
  bool screenshot_due = false;  // F12 was pressed: this frame's picture is saved
  std::string note;             // a short line over the picture (where the screenshot went)
  float note_seconds = 0.0f;    // how long it still shows

  FrontState();
};

// GL-side things of the play-field drawing: the hit-flash pictures with
// where they were taken, and the scratch buffer of the batched geometry.
struct GlScene {
  std::array<unsigned int, kHitEffectCount> effect_textures{};
  std::array<float, kHitEffectCount> effect_window_x{};
  std::array<float, kHitEffectCount> effect_window_y{};
  std::vector<float> batch;
};

// What a draw call draws with.
struct Canvas {
  CKorvidWindow& w;
  GlScene& gl;
};

class Game {
 public:
  Game(GameState& state, const char* log_path, int audio_channels);
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  Canvas canvas() { return Canvas{window, gl}; }

  GameState& g;
  CKorvidWindow window;
  CKorvidAudio audio;
  EventQueue events;
  ReplayManager replays;
  // After the window and the replays: it goes first at exit, while the log
  // is still open, and cuts a hanging upload short.
  CThread_Upload upload;
  FrontState front;
  GlScene gl;
};

// The replay manager works in the per-user folders of g.
void Set_Replay_Paths(Game& game);
// Starts a fade; the clock is ticked first so that the time spent before
// the call does not count against the fade.
void Start_Fade(Game& game, int kind, int target, float duration, int param);
// The menu's click (channel 0) and select (channel 1) sounds, when Sound is on.
void Play_Ui_Sound(Game& game, int channel);
