#include "frontend/web_page.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstring>
#include <thread>

#include "engine/log.h"

extern char** environ;

namespace {

void Reap_In_Background(pid_t pid) {
  try {
    std::thread([pid] {
      int status = 0;
      while (waitpid(pid, &status, 0) == -1 && errno == EINTR) {
      }
    }).detach();
  } catch (...) {
    // No thread to spare: take the child now if it is already gone; at worst
    // it stays a zombie until the game ends, which harms nothing else.
    int status = 0;
    waitpid(pid, &status, WNOHANG);
  }
}

}  // namespace

std::string Game_Page_Url(const std::string& service) {
  if (!service.empty() && service.back() == '/') return service + "prismel/";
  return service + "/prismel/";
}

bool Open_Web_Page(const std::string& url, const std::string& opener) {
  try {
    // posix_spawn, not system(): the url goes over as one argument and no
    // shell ever reads it.
    std::string program = opener;
    std::string argument = url;
    char* argv[] = {program.data(), argument.data(), nullptr};
    pid_t pid = 0;
    const int error = posix_spawnp(&pid, program.c_str(), nullptr, nullptr, argv, environ);
    if (error != 0) {
      Log_Write(g_log_stream, 1, "Open_Web_Page() :: failed (could not start [%s]: %s)", opener.c_str(),
                std::strerror(error));
      return false;
    }
    Reap_In_Background(pid);
    return true;
  } catch (...) {
    Log_Write(g_log_stream, 1, "Open_Web_Page() :: failed (could not start [%s])", opener.c_str());
    return false;
  }
}
