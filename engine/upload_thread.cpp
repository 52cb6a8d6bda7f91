#include "engine/upload_thread.h"

#include "engine/http_curl.h"

CThread_Upload::CThread_Upload() {
  make_client = [](const std::atomic<bool>& cancel, UploadLog log) -> std::unique_ptr<HttpClient> {
    return std::make_unique<CurlHttpClient>(cancel, std::move(log));
  };
}

bool CThread_Upload::Start(const CThreadData& data) {
  UploadRequest request;
  request.copy_path = data.path;
  request.name = data.name;
  request.time = data.time;
  request.level = data.level;
  request.service = service;
  request.os = os;
  return Start_Body([request, maker = make_client](Gate& gate) {
    UploadLog log = [&gate](int level, const std::string& line) { gate.Log(level, line); };
    std::unique_ptr<HttpClient> http = maker(gate.Cancel(), log);
    Run_Upload(request, *http, log);
  });
}
