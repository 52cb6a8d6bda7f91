// prismel-pak: makes, lists and unpacks the game's pak archives.
//
//   prismel-pak create OUT.pak FILE...   entries take the files' base names
//   prismel-pak list ARCHIVE             one line per entry: name and size
//   prismel-pak extract ARCHIVE NAME [DIR]
//
// It writes exactly what the game's archive reader reads.
#include <cstdio>
#include <string>
#include <vector>

#include "level/pak_archive.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: prismel-pak create OUT.pak FILE...\n"
               "       prismel-pak list ARCHIVE\n"
               "       prismel-pak extract ARCHIVE NAME [DIR]\n");
  return 2;
}

std::string Base_Name(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

int Create(const std::string& out, const std::vector<std::string>& files) {
  std::vector<PakInput> entries;
  for (const std::string& file : files) {
    PakInput e;
    e.name = Base_Name(file);
    if (e.name.empty() || e.name.size() >= kPakNameSize) {
      std::fprintf(stderr, "prismel-pak: name [%s] is longer than 31 characters\n", e.name.c_str());
      return 1;
    }
    if (!Read_File(file, e.data)) {
      std::fprintf(stderr, "prismel-pak: cannot read file [%s]\n", file.c_str());
      return 1;
    }
    entries.push_back(std::move(e));
  }
  std::string error;
  if (!Pak_Write(out, entries, error)) {
    std::fprintf(stderr, "prismel-pak: %s\n", error.c_str());
    return 1;
  }
  return 0;
}

int List(const std::string& path) {
  PakArchive pak;
  if (!pak.Open_Archive(path)) {
    std::fprintf(stderr, "prismel-pak: [%s] is not a readable archive\n", path.c_str());
    return 1;
  }
  for (const PakEntry& e : pak.Entries()) std::printf("%-31s %10u\n", e.name.c_str(), e.size);
  return 0;
}

int Extract(const std::string& path, const std::string& name, const std::string& dir) {
  PakArchive pak;
  if (!pak.Open_Archive(path)) {
    std::fprintf(stderr, "prismel-pak: [%s] is not a readable archive\n", path.c_str());
    return 1;
  }
  if (!pak.Extract_Entry(name, dir)) {
    std::fprintf(stderr, "prismel-pak: cannot extract [%s] from [%s] into [%s]\n", name.c_str(),
                 path.c_str(), dir.c_str());
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) return Usage();
  const std::string& verb = args[0];
  if (verb == "create" && args.size() >= 2) {
    return Create(args[1], std::vector<std::string>(args.begin() + 2, args.end()));
  }
  if (verb == "list" && args.size() == 2) return List(args[1]);
  if (verb == "extract" && (args.size() == 3 || args.size() == 4)) {
    return Extract(args[1], args[2], args.size() == 4 ? args[3] : ".");
  }
  return Usage();
}
