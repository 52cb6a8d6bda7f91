#include "service/command_line.h"

#include <charconv>

namespace {

bool Parse_Int(const std::string& s, int low, int high, int& out) {
  const auto r = std::from_chars(s.data(), s.data() + s.size(), out);
  return r.ec == std::errc() && r.ptr == s.data() + s.size() && out >= low && out <= high;
}

bool Parse_Listen(const std::string& s, CommandLine& out) {
  const size_t colon = s.rfind(':');
  if (colon == std::string::npos || colon == 0) return false;
  out.host = s.substr(0, colon);
  // "[::1]:8080": the brackets only set the address apart from the port.
  if (out.host.size() > 2 && out.host.front() == '[' && out.host.back() == ']') {
    out.host = out.host.substr(1, out.host.size() - 2);
  }
  return Parse_Int(s.substr(colon + 1), 0, 65535, out.port);
}

}  // namespace

bool Parse_Command_Line(const std::vector<std::string>& args, CommandLine& out, std::string& why) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--help" || a == "-h") {
      out.help = true;
      return true;
    }
    if (a != "--listen" && a != "--db" && a != "--public-url" && a != "--data" && a != "--rate") {
      why = "unknown option " + a;
      return false;
    }
    if (i + 1 >= args.size()) {
      why = a + " needs a value";
      return false;
    }
    const std::string& v = args[++i];
    if (a == "--listen" && !Parse_Listen(v, out)) {
      why = "--listen wants HOST:PORT, not " + v;
      return false;
    }
    if (a == "--rate" && !Parse_Int(v, 0, 1000000, out.rate_per_minute)) {
      why = "--rate wants requests per minute (0 for no limit), not " + v;
      return false;
    }
    if (a == "--db") out.db = v;
    if (a == "--public-url") out.public_url = v;
    if (a == "--data") out.data = v;
  }
  if (out.db.empty()) why = "--db FILE is required";
  else if (out.public_url.rfind("http://", 0) != 0 && out.public_url.rfind("https://", 0) != 0) {
    why = "--public-url wants the service's http:// or https:// address";
  }
  return why.empty();
}

std::string Usage() {
  return "usage: prismel-scores --listen HOST:PORT --db FILE --public-url URL [--data DIR] [--rate N]\n"
         "  --listen HOST:PORT  where to answer (default 127.0.0.1:8080; port 0 picks a free one)\n"
         "  --db FILE           the SQLite database, made when missing\n"
         "  --public-url URL    the address the game reaches the service at, e.g. https://scores.example\n"
         "  --data DIR          the folder holding data/models.pak (default: the program's folder)\n"
         "  --rate N            requests per minute per client address (default 600; 0: no limit)\n";
}
