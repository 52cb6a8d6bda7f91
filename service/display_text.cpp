#include "service/display_text.h"

#include <cmath>
#include <cstdio>
#include <ctime>

std::string Html_Escape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&#39;"; break;
      default: out += c;
    }
  }
  return out;
}

std::string Seconds_Text(double seconds) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.2f", seconds);
  return buf;
}

std::string Total_Text(double seconds) {
  // Hundredths first, so that 59.999 s shows as 1:00.00 and not 0:60.00.
  const long long hundredths = std::llround(seconds * 100.0);
  const long long whole = hundredths / 100;
  const int rest = static_cast<int>(hundredths % 100);
  char buf[48];
  if (whole >= 3600) {
    std::snprintf(buf, sizeof buf, "%lld:%02lld:%02lld.%02d", whole / 3600, whole / 60 % 60, whole % 60, rest);
  } else {
    std::snprintf(buf, sizeof buf, "%lld:%02lld.%02d", whole / 60, whole % 60, rest);
  }
  return buf;
}

namespace {
std::string Gmt(int64_t gmt_seconds, const char* format) {
  const std::time_t t = static_cast<std::time_t>(gmt_seconds);
  std::tm gmt{};
  gmtime_r(&t, &gmt);
  char buf[48];
  std::strftime(buf, sizeof buf, format, &gmt);
  return buf;
}
}  // namespace

std::string Date_Text(int64_t gmt_seconds) { return Gmt(gmt_seconds, "%Y-%m-%d %H:%M UTC"); }
std::string Iso_Date(int64_t gmt_seconds) { return Gmt(gmt_seconds, "%Y-%m-%dT%H:%M:%SZ"); }
