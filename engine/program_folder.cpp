#include "engine/program_folder.h"

#include <unistd.h>

std::string Executable_Folder() {
  char buf[4096];
  const ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
  if (n <= 0) return ".";
  const std::string path(buf, static_cast<size_t>(n));
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos || slash == 0 ? "/" : path.substr(0, slash);
}
