#include "frontend/command_line.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int kHighestLevel = 60;

bool Level_Number(const char* text, int& out) {
  char* end = nullptr;
  errno = 0;
  const long v = std::strtol(text, &end, 10);
  if (end == text || *end != '\0' || errno != 0 || v < 0 || v > kHighestLevel) return false;
  out = static_cast<int>(v);
  return true;
}

}  // namespace

CommandLine Parse_Command_Line(int argc, const char* const* argv, GameOptions& o, std::string& error) {
  struct Valued {
    const char* name;
    std::string GameOptions::*field;
  };
  const Valued valued[] = {{"--log", &GameOptions::log},         {"--data", &GameOptions::data},
                           {"--replay", &GameOptions::replay},   {"--service", &GameOptions::service},
                           {"--script", &GameOptions::script}};
  for (int i = 1; i < argc; ++i) {
    const char* a = argv[i];
    if (std::strcmp(a, "--help") == 0 || std::strcmp(a, "-h") == 0) return CommandLine::HELP;
    if (std::strcmp(a, "--version") == 0) return CommandLine::VERSION;
    if (std::strcmp(a, "--fullscreen") == 0) {
      o.fullscreen = 1;
      continue;
    }
    if (std::strcmp(a, "--windowed") == 0) {
      o.fullscreen = 0;
      continue;
    }
    bool known = false;
    for (const Valued& v : valued) {
      if (std::strcmp(a, v.name) != 0) continue;
      known = true;
      if (i + 1 >= argc || argv[i + 1][0] == '\0') {
        error = std::string(v.name) + " needs a value";
        return CommandLine::BAD;
      }
      o.*v.field = argv[++i];
    }
    if (known) continue;
    if (std::strcmp(a, "--level") == 0) {
      if (i + 1 >= argc || !Level_Number(argv[i + 1], o.level)) {
        error = std::string("--level takes a level number from 0 (the tutorial) to 60") +
                (i + 1 < argc ? std::string(", not [") + argv[i + 1] + "]" : std::string());
        return CommandLine::BAD;
      }
      ++i;
      continue;
    }
    error = std::string("unknown option [") + a + "]";
    return CommandLine::BAD;
  }
  return CommandLine::RUN;
}

std::string Usage_Text(const std::string& default_service) {
  return "Usage: prismel [OPTION...]\n"
         "  --level N        start on level N (0 is the tutorial, 1..60 the game)\n"
         "  --fullscreen     start in fullscreen (F11 switches in the game)\n"
         "  --windowed       start in a window\n"
         "  --replay FILE    play a score file (LLL.PPP, its level in the first three digits)\n"
         "                   back, then go on to the menu\n"
         "  --data DIR       read the game's data from DIR (also PRISMEL_DATA)\n"
         "  --service URL    the web service for high scores and the Website button\n"
         "                   (also PRISMEL_SERVICE; default " + default_service + ")\n"
         "  --log FILE       write diagnostics to FILE (Rich Text; red lines are failures)\n"
         "  --script FILE    run the game at a fixed frame time with the timed input of FILE,\n"
         "                   then print the final mode, level and settings\n"
         "  --version        print the version\n"
         "  --help           show this help\n"
         "Keys: arrows turn, Space starts and fires, F1/F2 top/side view, F5 restart,\n"
         "Enter next level, P pause, Escape menu, F11 fullscreen, F12 screenshot.\n"
         "The menu is used with the mouse.\n";
}
