#include "engine/message_box.h"

#include <SDL2/SDL.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>

void Show_Message_Box(const std::string& title, const std::string& text, BoxIcon icon, bool wait) {
  std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
  std::fflush(stderr);
  if (std::getenv("PRISMEL_NO_MESSAGE_BOXES") != nullptr) return;
  Uint32 flags = SDL_MESSAGEBOX_INFORMATION;
  if (icon == BoxIcon::Warning) flags = SDL_MESSAGEBOX_WARNING;
  if (icon == BoxIcon::Error) flags = SDL_MESSAGEBOX_ERROR;
  if (wait) {
    SDL_ShowSimpleMessageBox(flags, title.c_str(), text.c_str(), nullptr);
    return;
  }
  std::signal(SIGCHLD, SIG_IGN);  // nobody waits for the box: let it reap itself
  if (fork() == 0) {
    SDL_ShowSimpleMessageBox(flags, title.c_str(), text.c_str(), nullptr);
    _exit(0);
  }
}
