// CThread_Upload: the high-score upload on its own thread, so the frame
// loop never waits on the network. Started by Save_Replay with the copy of
// a new score file; the exchange itself is scores/upload_protocol's, over
// libcurl unless a test gives another client.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <string>

#include "engine/thread.h"
#include "scores/upload_protocol.h"

class CThread_Upload : public CThread {
 public:
  using ClientMaker = std::function<std::unique_ptr<HttpClient>(const std::atomic<bool>& cancel, UploadLog log)>;

  CThread_Upload();
  ~CThread_Upload() override { Stop(kThreadStopSeconds); }

  // Where the service is and what the game calls its system; read at each
  // start, so a change never reaches an upload already running.
  std::string service;
  std::string os;
  ClientMaker make_client;

  // Copies the record and starts the exchange for it; false (logged) when
  // no thread could be made. The copy file is deleted when it is over.
  bool Start(const CThreadData& data);
};
