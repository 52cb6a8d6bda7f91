#include "engine/key_map.h"

int Virtual_Key_From_Sdl(SDL_Keycode key) {
  if (key >= SDLK_a && key <= SDLK_z) return 'A' + (key - SDLK_a);
  if (key >= SDLK_0 && key <= SDLK_9) return '0' + (key - SDLK_0);
  if (key >= SDLK_KP_1 && key <= SDLK_KP_9) return 0x61 + (key - SDLK_KP_1);  // numpad 1..9
  if (key >= SDLK_F1 && key <= SDLK_F12) return 112 + (key - SDLK_F1);
  switch (key) {
    case SDLK_BACKSPACE: return 8;
    case SDLK_TAB: return 9;
    case SDLK_RETURN: return 13;
    case SDLK_KP_ENTER: return 13;
    case SDLK_LSHIFT: case SDLK_RSHIFT: return 16;
    case SDLK_LCTRL: case SDLK_RCTRL: return 17;
    case SDLK_LALT: case SDLK_RALT: return 18;
    case SDLK_PAUSE: return 19;
    case SDLK_CAPSLOCK: return 20;
    case SDLK_ESCAPE: return 27;
    case SDLK_SPACE: return 32;
    case SDLK_PAGEUP: return 33;
    case SDLK_PAGEDOWN: return 34;
    case SDLK_END: return 35;
    case SDLK_HOME: return 36;
    case SDLK_LEFT: return 37;
    case SDLK_UP: return 38;
    case SDLK_RIGHT: return 39;
    case SDLK_DOWN: return 40;
    case SDLK_INSERT: return 45;
    case SDLK_DELETE: return 46;
    case SDLK_KP_0: return 0x60;
    default: return 0;
  }
}

int Virtual_Key_From_Controller_Button(int button) {
  switch (button) {
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT: return 37;
    case SDL_CONTROLLER_BUTTON_DPAD_UP: return 38;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT: return 39;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN: return 40;
    case SDL_CONTROLLER_BUTTON_A: return 32;
    case SDL_CONTROLLER_BUTTON_B: return 27;
    case SDL_CONTROLLER_BUTTON_START: return 'P';
    default: return 0;
  }
}

int Virtual_Key_From_Controller_Axis(int axis, int value) {
  if (value > -kStickDeadZone && value < kStickDeadZone) return 0;
  if (axis == SDL_CONTROLLER_AXIS_LEFTX) return value < 0 ? 37 : 39;
  if (axis == SDL_CONTROLLER_AXIS_LEFTY) return value < 0 ? 38 : 40;
  return 0;
}
