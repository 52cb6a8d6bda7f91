#include "engine/program_folder.h"

#include <sys/stat.h>
#include <unistd.h>

namespace {

bool Holds_Data(const std::string& folder) {
  struct stat st{};
  return stat((folder + "/data/models.pak").c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string Parent(const std::string& folder) {
  const size_t slash = folder.find_last_of('/');
  return slash == std::string::npos ? "." : slash == 0 ? "/" : folder.substr(0, slash);
}

}  // namespace

std::string Executable_Folder() {
  char buf[4096];
  const ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
  if (n <= 0) return ".";
  const std::string path(buf, static_cast<size_t>(n));
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos || slash == 0 ? "/" : path.substr(0, slash);
}

std::string Find_Data_Folder(const std::string& exe, const std::string& chosen) {
  if (!chosen.empty()) {
    std::string folder = chosen;
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    if (Holds_Data(folder)) return folder;
    if (Holds_Data(Parent(folder))) return Parent(folder);
    return folder;
  }
  if (Holds_Data(exe)) return exe;
  const std::string installed = Parent(exe) + "/share/prismel";
  if (Holds_Data(installed)) return installed;
  return exe;
}
