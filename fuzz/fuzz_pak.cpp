// Archives: the table and every entry it names, read from a file as the
// game reads them.
#include <unistd.h>

#include <cstdio>

#include "fuzz_input.h"
#include "level/pak_archive.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = "/tmp/prismel-fuzz-" + std::to_string(getpid()) + ".pak";
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) return 0;
  std::fwrite(data, 1, size, f);
  std::fclose(f);
  PakArchive pak;
  if (pak.Open_Archive(path)) {
    std::string out;
    for (const PakEntry& e : pak.Entries()) pak.Read_Entry(e.name, out);
  }
  return 0;
}
