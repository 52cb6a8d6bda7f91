#include "engine/log.h"

#include <cstdarg>

std::FILE* g_log_stream = nullptr;

namespace {

constexpr size_t kMaxMessage = 1023;  // characters kept of one message

std::tm Local_Now() {
  const std::time_t now = std::time(nullptr);
  std::tm out{};
  localtime_r(&now, &out);
  return out;
}

}  // namespace

std::string Log_Header(const std::tm& t) {
  std::string out =
      "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fmodern\\fprq1\\fcharset0 "
      "Courier New;}{\\f1\\fnil\\fcharset0 Courier New;}}";
  out +=
      "{\\colortbl;\\red0\\green0\\blue0;\\red255\\green0\\blue0;\\red0\\green128\\blue0;\\red0\\green0"
      "\\blue255;}{\\*\\generator Msftedit 5.41.15.1503;}\\viewkind4\\uc1\\pard\\fs20";
  char line[256];
  std::snprintf(line, sizeof line,
                "--------------------------------------\\par Logging started: %.2i/%.2i/%.4i - "
                "%.2i:%.2i:%.2i\\par---------------------------------------\\par\\par",
                t.tm_mon + 1, t.tm_mday, t.tm_year + 1900, t.tm_hour, t.tm_min, t.tm_sec);
  out += line;
  return out;
}

std::string Log_Entry(int level, const std::tm& t, const std::string& message) {
  if (level < 0 || level > 3) return {};
  std::string text = message.substr(0, kMaxMessage);
  for (char& c : text) {
    if (c == '\\') c = '/';  // paths must not read as RTF control words
  }
  char stamp[64];
  std::snprintf(stamp, sizeof stamp, " \\cf%d\\f0 %.2i:%.2i:%.2i :: ", level + 1, t.tm_hour, t.tm_min,
                t.tm_sec);
  return stamp + text + "\\cf0\\f1\\par";
}

std::FILE* Log_Open(const char* path, bool create) {
  if (path == nullptr || *path == '\0') return nullptr;
  if (!create) return std::fopen(path, "a");
  const std::tm now = Local_Now();
  std::FILE* f = std::fopen(path, "w");
  if (f == nullptr) return nullptr;
  const std::string header = Log_Header(now);
  std::fwrite(header.data(), 1, header.size(), f);
  std::fflush(f);
  return f;
}

void Log_Write(std::FILE* stream, int level, const char* format, ...) {
  if (stream == nullptr) return;
  char message[kMaxMessage + 1];
  va_list args;
  va_start(args, format);
  std::vsnprintf(message, sizeof message, format, args);
  va_end(args);
  const std::string entry = Log_Entry(level, Local_Now(), message);
  if (!entry.empty()) std::fwrite(entry.data(), 1, entry.size(), stream);
  std::fflush(stream);
}

void Log_Close(std::FILE* stream) {
  if (stream == nullptr) return;
  if (stream == g_log_stream) g_log_stream = nullptr;
  std::fclose(stream);
}
