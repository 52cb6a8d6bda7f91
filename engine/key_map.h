// SDL key codes to the Windows virtual-key codes that the game's key array
// is indexed by (VK_LEFT 37, VK_SPACE 32, 'A' 65, VK_F1 112 ...). The window
// writes keys[code] = 1 or 0 and nothing more; the game decides what a key
// means.
#pragma once

#include <SDL2/SDL_keycode.h>

// 0 for keys the game has no code for.
int Virtual_Key_From_Sdl(SDL_Keycode key);
