#include "game/input_controller.h"

void Input_Start(InputController& in, int x, int y) {
  in = InputController();
  in.previous_x = in.x = x;
  in.previous_y = in.y = y;
}

void Update_Input(InputController& in, float dt, int x, int y, const bool held[3]) {
  in.previous_x = in.x;
  in.previous_y = in.y;
  in.x = x;
  in.y = y;
  in.movement = Vec3(static_cast<float>(in.previous_x - in.x), static_cast<float>(in.previous_y - in.y), 0.0f);
  for (int b = 0; b < 3; ++b) {
    if (held[b]) {
      if (in.signal[b] <= 0.0f) {
        in.signal[b] = in.duration[b] = dt;
      } else {
        in.signal[b] += dt;
        in.duration[b] += dt;
      }
    } else if (in.signal[b] > 0.0f) {
      in.signal[b] = -in.signal[b];
    }
  }
}
