#include "frontend/config.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "engine/log.h"
#include "engine/text_scan.h"
#include "level/pak_archive.h"

namespace {

constexpr size_t kMaxWordChars = 250;
constexpr size_t kMaxRestChars = 250;
constexpr char kConfigVersionLine[] = "1.03\n\n";  // "%.2f" of 1.03; ignored when reading

// Reading goes in this order; writing keeps it, except for the keys written
// only when on, which come last.
constexpr std::array<ConfigKey, 7> kConfigKeys = {{
    {"CameraView", &Settings::CameraView, 1, "\t\t\t", false},
    {"ColorBlindSymbols", &Settings::ColorBlindSymbols, 0, "\t", false},
    {"Level", &Settings::Level, 0, "\t\t\t\t", false},
    {"Music", &Settings::Music, 0, "\t\t\t\t", false},
    {"ShowReplayFPS", &Settings::ShowReplayFPS, 0, "\t\t", true},
    {"Sound", &Settings::Sound, 0, "\t\t\t\t", false},
    {"UploadHighScores", &Settings::UploadHighScores, 1, "\t", false},
}};

// A setting added to Settings without a row here would silently never
// persist; a default changed in one place only would read back differently
// from how the game starts without a file.
static_assert(sizeof(Settings) == kConfigKeys.size() * sizeof(int), "every setting needs a config key");
constexpr bool Defaults_Agree() {
  constexpr Settings defaults{};
  for (const ConfigKey& k : kConfigKeys) {
    if (defaults.*k.field != k.default_value) return false;
  }
  return true;
}
static_assert(Defaults_Agree(), "config defaults must match the defaults of Settings");

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

std::string Strip_Separators(std::string_view rest) {
  std::string out;
  for (char c : rest) {
    if (c != '\t') out += c;
  }
  // Until none is left, so the value never keeps a separator that only
  // formed when another was taken out.
  for (size_t at = out.find(" = "); at != std::string::npos; at = out.find(" = ")) out.erase(at, 3);
  return out;
}

// Sign and leading decimal digits after any blanks; 0 when there are none.
// Out-of-range values are clamped rather than wrapped: a setting of
// 99999999999999999999 means "on", never "-1".
int To_Int(const std::string& value) {
  const char* start = value.c_str();
  char* end = nullptr;
  errno = 0;
  const long v = std::strtol(start, &end, 10);
  if (end == start) return 0;
  return static_cast<int>(std::clamp<long>(v, INT_MIN, INT_MAX));
}

}  // namespace

std::span<const ConfigKey> Config_Keys() { return kConfigKeys; }

std::string Config_Read_Value(const std::string& text, const std::string& key,
                              const std::string& default_text) {
  const std::string wanted = Lower(key);
  TextCursor cursor(text);
  std::string word;
  while (cursor.Word(word, kMaxWordChars) == ScanResult::Ok) {
    if (Lower(word) != wanted) continue;
    const std::string_view after = cursor.Rest();
    size_t n = 0;
    while (n < after.size() && n < kMaxRestChars && after[n] != '\n') ++n;
    if (n == after.size()) break;  // end of text: no line feed can follow
    // The character after the rest is consumed whether or not it matches,
    // so a dropped match resumes the word scan past it.
    cursor = TextCursor(after.substr(n + 1));
    if (after[n] != '\n') continue;
    return Strip_Separators(after.substr(0, n));
  }
  return default_text;
}

void Config_Load(Settings& s, const std::string& path) {
  std::string text;
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  if (!std::filesystem::exists(status)) {
    Log_Write(g_log_stream, 0, "Config_Load() :: no config file [%s], using the defaults", path.c_str());
  } else if (!std::filesystem::is_regular_file(status) || !Read_File(path, text)) {
    // Only regular files are read: a folder's reported size means nothing.
    text.clear();
    Log_Write(g_log_stream, 1, "Config_Load() :: failed (could not read [%s]), using the defaults",
              path.c_str());
  }
  for (const ConfigKey& k : kConfigKeys) {
    s.*k.field = To_Int(Config_Read_Value(text, k.key, std::to_string(k.default_value)));
  }
  if (s.Level > kConfigMaxLevel) s.Level = kConfigMaxLevel;
  if (s.Level < 0) s.Level = 0;
}

std::string Config_Text(const Settings& s) {
  std::string out = kConfigVersionLine;
  for (const ConfigKey& k : kConfigKeys) {
    if (!k.only_when_on) out += k.key + std::string(k.padding) + std::to_string(s.*k.field) + "\n";
  }
  for (const ConfigKey& k : kConfigKeys) {
    if (k.only_when_on && s.*k.field == 1) out += "\n" + std::string(k.key) + k.padding + "1\n";
  }
  return out;
}

bool Config_Save(const Settings& s, const std::string& path) {
  const std::string text = Config_Text(s);
  const std::string temp = path + ".tmp";
  bool ok = false;
  std::FILE* f = path.empty() ? nullptr : std::fopen(temp.c_str(), "wb");
  if (f != nullptr) {
    ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    ok = std::fflush(f) == 0 && ok;
    // On disk before the rename, or a power cut could leave an empty file
    // under the real name.
    ok = fsync(fileno(f)) == 0 && ok;
    ok = std::fclose(f) == 0 && ok;
    ok = ok && std::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) std::remove(temp.c_str());
  }
  if (!ok) Log_Write(g_log_stream, 1, "Config_Save() :: failed (could not write [%s])", path.c_str());
  return ok;
}
