// ScreenFade: every change of screen goes through this one fader. The
// picture darkens for half the duration, then the mode switches and the new
// screen's work is done (a level loads), then the picture brightens again.
//
// Only the timing lives here, with no window: the game advances it once a
// frame, does the arrival work when it reports a switch, and draws the black
// quad with Fade_Transparency.
#pragma once

enum FadePhase { FADE_IDLE = 0, FADE_IN = 1, FADE_OUT = 2 };

// Who started a fade; kept for the log and for a person reading the state.
enum FadeKind {
  FADE_BY_PROGRAM_START = 0,
  FADE_BY_STARTUP_SCREEN = 1,
  FADE_BY_MENU = 2,
  FADE_BY_GAME_KEYS = 3,
  FADE_BY_REPLAY = 4,
  FADE_BY_DESKTOP = 5,  // the window's close button, a quit from the desktop
};

// Durations, seconds: half of each is the fade-out, half the fade-in.
inline constexpr float kFirstFadeSeconds = 2.0f;  // program start and start-up screen
inline constexpr float kFadeSeconds = 1.0f;       // every later change of screen

struct ScreenFade {
  int Kind = FADE_BY_PROGRAM_START;
  int Target = 0;            // the ScreenMode to switch to when the fade-out ends
  float Remaining = 0.0f;    // seconds left in this phase
  float PhaseLength = 0.0f;  // seconds of each phase
  int Phase = FADE_IDLE;
  int Param = -1;            // meaning depends on Target; -1 when it takes none
};

enum class FadeStep {
  NONE,      // still darkening or brightening (or idle)
  SWITCHED,  // the fade-out ended this frame: Mode becomes Target, arrive now
  FINISHED,  // the fade-in ended this frame
};

// A call while a fade runs restarts it with the new values.
void Fade_Start(ScreenFade& f, int kind, int target, float duration, int param);
FadeStep Fade_Advance(ScreenFade& f, float dt);
// Transparency of the black quad: 1 shows the picture, 0 is black (at the
// switch of mode).
float Fade_Transparency(const ScreenFade& f);
