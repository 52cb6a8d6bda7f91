// The pointer as the menus see it: positions per frame and click signals.
// The platform only reports where the pointer is and which buttons are held;
// this turns that into per-button signals: positive while held (seconds so
// far), negative after a release (minus the length of that press), 0 before
// the first press. A click is a negative signal, which the menu may reset.
#pragma once

#include "game/vec3.h"

enum MouseButton { MOUSE_LEFT = 0, MOUSE_RIGHT = 1, MOUSE_MIDDLE = 2 };

// What the platform writes once a frame: where the pointer is (client
// pixels, y downwards) and which buttons are held. A press and release
// within one frame still shows as held for that frame.
struct PointerState {
  int x = 0, y = 0;
  bool held[3] = {false, false, false};
};

struct InputController {
  int previous_x = 0, previous_y = 0;  // client pixels, y downwards
  int x = 0, y = 0;
  Vec3 movement;  // previous minus current, z 0
  float signal[3] = {0, 0, 0};
  float duration[3] = {0, 0, 0};
};

void Input_Start(InputController& in, int x, int y);
void Update_Input(InputController& in, float dt, int x, int y, const bool held[3]);
