#include "engine/message_box.h"

#include <SDL2/SDL.h>

#include <cstdio>

void Show_Message_Box(const std::string& title, const std::string& text, BoxIcon icon) {
  std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
  std::fflush(stderr);
  Uint32 flags = SDL_MESSAGEBOX_INFORMATION;
  if (icon == BoxIcon::Warning) flags = SDL_MESSAGEBOX_WARNING;
  if (icon == BoxIcon::Error) flags = SDL_MESSAGEBOX_ERROR;
  // Under test and in CI nobody is there to close a box.
  if (SDL_getenv("PRISMEL_NO_MESSAGE_BOXES") != nullptr) return;
  SDL_ShowSimpleMessageBox(flags, title.c_str(), text.c_str(), nullptr);
}
