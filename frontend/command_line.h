// The game's command line: what each option means, and a one-line reason
// for anything it cannot take. main() acts on the result; this module only
// reads the words.
#pragma once

#include <string>

struct GameOptions {
  std::string log;      // --log FILE
  std::string data;     // --data DIR: where data/ is (overrides PRISMEL_DATA and the usual places)
  std::string replay;   // --replay FILE
  std::string service;  // --service URL
  std::string script;   // --script FILE
  int level = -1;       // --level N, 0..60; -1 keeps the saved level
  int fullscreen = -1;  // --fullscreen 1, --windowed 0, -1 as the settings say
};

enum class CommandLine { RUN, HELP, VERSION, BAD };

// Reads argv[1..]; BAD with the reason (one line, without the program name)
// in error.
CommandLine Parse_Command_Line(int argc, const char* const* argv, GameOptions& options, std::string& error);

// The usage text --help prints, and a bad command line after its reason.
std::string Usage_Text(const std::string& default_service);
