// prismel-scores' command line:
//   prismel-scores --listen HOST:PORT --db FILE --public-url URL [--data DIR] [--rate N]
// Reading it only; main() acts on it.
#pragma once

#include <string>
#include <vector>

struct CommandLine {
  std::string host = "127.0.0.1";
  int port = 8080;              // 0: any free port (the log says which)
  std::string db;
  std::string public_url;
  std::string data;             // empty: the program's own folder
  int rate_per_minute = 600;    // per client address; 0: no limit
  bool help = false;
};

// False with the reason on anything missing, unknown or malformed.
bool Parse_Command_Line(const std::vector<std::string>& args, CommandLine& out, std::string& why);
std::string Usage();
