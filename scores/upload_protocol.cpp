#include "scores/upload_protocol.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

#include "engine/base64.h"
#include "level/pak_archive.h"

namespace {

// The address without a final '/', so that paths join with exactly one.
std::string Trimmed(const std::string& address) {
  std::string s = address;
  while (!s.empty() && s.back() == '/') s.pop_back();
  return s;
}

std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string Format(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list copy;
  va_copy(copy, args);
  const int n = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  std::string out(n > 0 ? static_cast<size_t>(n) : 0, '\0');
  if (n > 0) std::vsnprintf(out.data(), out.size() + 1, format, args);
  va_end(args);
  return out;
}

bool File_Exists(const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) return false;
  std::fclose(f);
  return true;
}

}  // namespace

std::string Information_Url(const UploadRequest& r) {
  return Trimmed(r.service) +
         Format("/accessPrismel.php?access=replay_upload_information&level=%i&highscore=%f&username=%s&os=%s&version=%.2f",
                r.level, r.time, r.name.c_str(), r.os.c_str(), kUploadVersion);
}

std::string Confirmation_Url(const std::string& service, const std::string& name, int timestamp) {
  return Trimmed(service) + Format("/accessPrismel.php?access=replay_upload_confirmation&username=%s&timestamp_gmt=%i",
                                   name.c_str(), timestamp);
}

std::string Upload_Name(int level, float time, const std::string& name) {
  return Format("%.3i_%f_%s", level, time, name.c_str());
}

std::vector<std::string> Split_Answer(const std::string& answer) {
  std::vector<std::string> fields;
  size_t start = 0;
  while (start <= answer.size()) {
    size_t comma = answer.find(',', start);
    if (comma == std::string::npos) comma = answer.size();
    if (comma > start) fields.push_back(answer.substr(start, comma - start));
    start = comma + 1;
  }
  return fields;
}

void Upload_File(HttpClient& http, const std::string& path, const std::string& base, const std::string& upload_name) {
  std::string bytes;
  if (!Read_File(path, bytes)) return;
  http.Post(base + "/upload_file.php", upload_name + " " + CKorvidBase64::Encode(bytes));
}

void Run_Upload(const UploadRequest& r, HttpClient& http, const UploadLog& log) {
  if (!File_Exists(r.copy_path)) return;
  const std::string answer = http.Get(Information_Url(r));
  if (answer.empty()) {
    log(1, Format("High score upload failed [Level %i][%s][%f]", r.level, r.name.c_str(), r.time));
  } else {
    const std::vector<std::string> fields = Split_Answer(answer);
    if (!fields.empty() && std::atoi(fields[0].c_str()) == 1) {
      const int timestamp = fields.size() > 1 ? std::atoi(fields[1].c_str()) : 0;
      const std::string base = fields.size() > 2 ? fields[2] : std::string();
      Upload_File(http, r.copy_path, base, Upload_Name(r.level, r.time, r.name));
      http.Get(Confirmation_Url(r.service, r.name, timestamp));
      log(0, Format("High score upload completed [Level %i][%s][%f]", r.level, r.name.c_str(), r.time));
    }
  }
  std::remove(r.copy_path.c_str());
}
