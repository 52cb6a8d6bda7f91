#include "engine/http_curl.h"

#include <curl/curl.h>

#include <cstdio>

namespace {

constexpr const char* kAgent = "InetURL/1.0";
constexpr int kPollMilliseconds = 20;  // how often a waiting transfer looks at the cancel flag

size_t Append(char* data, size_t size, size_t count, void* out) {
  static_cast<std::string*>(out)->append(data, size * count);
  return size * count;
}

std::string Failure(const char* where, const std::string& error) {
  char line[512];
  std::snprintf(line, sizeof line, "CKorvidIO::%s :: failed (%s)", where, error.c_str());
  return line;
}

}  // namespace

void Http_Global_Init() { curl_global_init(CURL_GLOBAL_DEFAULT); }

CurlHttpClient::CurlHttpClient(const std::atomic<bool>& cancel, UploadLog log, HttpLimits limits)
    : cancel_(cancel), log_(std::move(log)), limits_(limits) {}

bool CurlHttpClient::Perform(void* handle, std::string& error) {
  CURL* easy = static_cast<CURL*>(handle);
  curl_easy_setopt(easy, CURLOPT_USERAGENT, kAgent);
  curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT, limits_.connect_seconds);
  curl_easy_setopt(easy, CURLOPT_TIMEOUT, limits_.total_seconds);
  curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);  // time-outs without signals: we are not the main thread
  curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 0L);
  CURLM* multi = curl_multi_init();
  if (multi == nullptr) {
    error = "no transfer handle";
    return false;
  }
  curl_multi_add_handle(multi, easy);
  // The multi interface waits in short steps, so the cancel flag is seen
  // at once whatever the network does.
  int running = 1;
  CURLcode result = CURLE_OK;
  bool cancelled = false;
  while (running > 0) {
    if (cancel_) {
      cancelled = true;
      break;
    }
    if (curl_multi_perform(multi, &running) != CURLM_OK) break;
    if (running > 0) curl_multi_poll(multi, nullptr, 0, kPollMilliseconds, nullptr);
  }
  int left = 0;
  while (CURLMsg* m = curl_multi_info_read(multi, &left)) {
    if (m->msg == CURLMSG_DONE) result = m->data.result;
  }
  curl_multi_remove_handle(multi, easy);
  curl_multi_cleanup(multi);
  if (cancelled) {
    error = "cancelled";
    return false;
  }
  if (result != CURLE_OK) {
    error = "[" + std::to_string(static_cast<int>(result)) + "] " + curl_easy_strerror(result);
    return false;
  }
  return true;
}

std::string CurlHttpClient::Get(const std::string& url) {
  CURL* easy = curl_easy_init();
  if (easy == nullptr) {
    log_(1, Failure("Retrieve_Data_URL()", "no handle"));
    return {};
  }
  std::string body, error;
  curl_easy_setopt(easy, CURLOPT_URL, url.c_str());
  curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, Append);
  curl_easy_setopt(easy, CURLOPT_WRITEDATA, &body);
  // Always a fresh answer, never one kept by a cache on the way.
  curl_slist* headers = curl_slist_append(nullptr, "Cache-Control: no-cache");
  curl_easy_setopt(easy, CURLOPT_HTTPHEADER, headers);
  const bool ok = Perform(easy, error);
  curl_slist_free_all(headers);
  curl_easy_cleanup(easy);
  if (!ok) {
    log_(1, Failure("Retrieve_Data_URL()", error));
    return {};
  }
  return body;
}

bool CurlHttpClient::Post(const std::string& url, const std::string& body) {
  CURL* easy = curl_easy_init();
  if (easy == nullptr) {
    log_(1, "High score could not be uploaded [1]");
    return false;
  }
  std::string answer, error;
  curl_easy_setopt(easy, CURLOPT_URL, url.c_str());
  curl_easy_setopt(easy, CURLOPT_POST, 1L);
  curl_easy_setopt(easy, CURLOPT_POSTFIELDS, body.c_str());
  curl_easy_setopt(easy, CURLOPT_POSTFIELDSIZE, static_cast<long>(body.size()));
  curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, Append);
  curl_easy_setopt(easy, CURLOPT_WRITEDATA, &answer);
  curl_slist* headers = curl_slist_append(nullptr, "Content-Type: application/x-www-form-urlencoded");
  headers = curl_slist_append(headers, "Cache-Control: no-cache");
  headers = curl_slist_append(headers, "Expect:");  // send the body at once, no 100-continue round
  curl_easy_setopt(easy, CURLOPT_HTTPHEADER, headers);
  const bool ok = Perform(easy, error);
  curl_slist_free_all(headers);
  curl_easy_cleanup(easy);
  if (!ok) log_(1, "High score could not be uploaded [2] " + error);
  return ok;
}
