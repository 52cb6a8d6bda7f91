#include "service/service_log.h"

#include <cstdio>
#include <ctime>
#include <mutex>

LogSink Standard_Error_Log() {
  return [](const std::string& line) {
    static std::mutex mutex;
    const std::time_t now = std::time(nullptr);
    std::tm gmt{};
    gmtime_r(&now, &gmt);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%dT%H:%M:%SZ", &gmt);
    std::lock_guard<std::mutex> lock(mutex);
    std::fprintf(stderr, "%s %s\n", stamp, line.c_str());
    std::fflush(stderr);
  };
}

std::string Printable(std::string_view s, size_t max_chars) {
  std::string out;
  for (size_t i = 0; i < s.size() && i < max_chars; ++i) out += s[i] >= ' ' && s[i] <= '~' ? s[i] : '?';
  if (s.size() > max_chars) out += "...";
  return out;
}
