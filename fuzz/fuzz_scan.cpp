// The scanner against glibc's sscanf on the same bytes (up to the first NUL,
// where sscanf's string ends): "%i", "%f" and "%15s" must take the same
// characters and give the same value.
#include <cmath>
#include <cstdio>
#include <cstring>

#include "engine/text_scan.h"
#include "fuzz_input.h"

namespace {

[[noreturn]] void Differ(const char* what, const std::string& text) {
  std::fprintf(stderr, "scanner and sscanf differ on %s [%s]\n", what, text.c_str());
  __builtin_trap();
}

bool Same_Float(float a, float b) { return (std::isnan(a) && std::isnan(b)) || std::memcmp(&a, &b, sizeof a) == 0; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text = Input_Text(data, size);
  text = text.substr(0, text.find('\0'));
  {
    TextCursor c(text);
    int mine = 0, theirs = 0, n = -1;
    const ScanResult r = c.Int(mine);
    const int got = std::sscanf(text.c_str(), "%i%n", &theirs, &n);
    if ((r == ScanResult::Ok) != (got == 1) || (got == 1 && (mine != theirs || text.size() - c.Rest().size() != static_cast<size_t>(n))))
      Differ("%i", text);
  }
  {
    TextCursor c(text);
    float mine = 0, theirs = 0;
    int n = -1;
    const ScanResult r = c.Float(mine);
    const int got = std::sscanf(text.c_str(), "%f%n", &theirs, &n);
    if ((r == ScanResult::Ok) != (got == 1) ||
        (got == 1 && (!Same_Float(mine, theirs) || text.size() - c.Rest().size() != static_cast<size_t>(n))))
      Differ("%f", text);
  }
  {
    TextCursor c(text);
    std::string mine;
    char theirs[16] = {};
    int n = -1;
    const ScanResult r = c.Word(mine, 15);
    const int got = std::sscanf(text.c_str(), "%15s%n", theirs, &n);
    if ((r == ScanResult::Ok) != (got == 1) || (got == 1 && mine != theirs)) Differ("%s", text);
  }
  return 0;
}
