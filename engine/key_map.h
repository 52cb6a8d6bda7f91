// SDL key codes to the Windows virtual-key codes that the game's key array
// is indexed by (VK_LEFT 37, VK_SPACE 32, 'A' 65, VK_F1 112 ...). The window
// writes keys[code] = 1 or 0 and nothing more; the game decides what a key
// means.
#pragma once

#include <SDL2/SDL_gamecontroller.h>
#include <SDL2/SDL_keycode.h>

// 0 for keys the game has no code for.
int Virtual_Key_From_Sdl(SDL_Keycode key);

// A game controller's buttons and stick as the keys they stand for: d-pad
// and left stick turn (left, right) and move the menu's highlight (also up,
// down), A is Space (fire, start, select), B is Escape, Start is P (pause).
// 0 for a button with no key.
int Virtual_Key_From_Controller_Button(int sdl_button);
// The stick's x or y axis value (-32768..32767) as the key it holds down,
// or 0 inside the dead zone. axis: SDL_CONTROLLER_AXIS_LEFTX / LEFTY.
int Virtual_Key_From_Controller_Axis(int sdl_axis, int value);
inline constexpr int kStickDeadZone = 12000;  // of 32767: a resting stick is never a turn
