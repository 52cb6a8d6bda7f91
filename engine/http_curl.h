// HttpClient on libcurl, for the upload thread.
//
// Every transfer has a connect time-out and a total time-out, honours a port
// in the address, keeps the answer in memory, and gives up within a few
// hundredths of a second once the cancel flag is raised, so a service that
// accepts a connection and never answers can hold neither the upload nor
// the program's exit. Failures are log lines through the given log; none
// reaches the player.
#pragma once

#include <atomic>
#include <functional>
#include <string>

#include "scores/upload_protocol.h"

struct HttpLimits {
  long connect_seconds = 5;
  long total_seconds = 20;
};

class CurlHttpClient : public HttpClient {
 public:
  CurlHttpClient(const std::atomic<bool>& cancel, UploadLog log, HttpLimits limits = {});

  std::string Get(const std::string& url) override;
  bool Post(const std::string& url, const std::string& body) override;

 private:
  // One transfer; false with curl's reason in error.
  bool Perform(void* easy, std::string& error);

  const std::atomic<bool>& cancel_;
  UploadLog log_;
  HttpLimits limits_;
};

// Once per program, before any thread uses curl.
void Http_Global_Init();
