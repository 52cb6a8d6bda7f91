// ScoresServer: prismel-scores on HTTP. It puts the game's routes and the
// site's routes on cpp-httplib's server, holds each client address to the
// request limit, refuses bodies over the size limit before reading them,
// and writes one log line for every request's outcome.
//
// It owns no data: the store and the checker are lent to it and must
// outlive it. Routes decide; this file only carries their answers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "service/service_log.h"

class ScoreStore;
class ScoreChecker;

struct ServerSettings {
  std::string public_url;            // the service's address as the game must reach it
  int rate_per_minute = 600;         // requests per client address; 0: no limit
  // Bytes of an upload. The game samples the aim 25 times a second, so the
  // longest run a ticket allows (10000 s) makes about 5 MB of Base64.
  size_t max_body = 8 << 20;
  int64_t ticket_seconds = 600;
  std::function<int64_t()> clock;    // GMT seconds; empty: the system clock
  LogSink log;                       // empty: standard error
};

class ScoresServer {
 public:
  ScoresServer(ScoreStore& store, ScoreChecker& checker, ServerSettings settings);
  ~ScoresServer();
  ScoresServer(const ScoresServer&) = delete;
  ScoresServer& operator=(const ScoresServer&) = delete;

  // Binds host:port (port 0: a free one the system picks); the port bound,
  // or -1. Connections wait from here on, even before Serve.
  int Bind(const std::string& host, int port);
  // Answers requests until Stop; the requests under way are finished first.
  bool Serve();
  // From any thread: Serve returns once the requests under way are done,
  // or at once if it has not begun. A Stop that lands just as Serve begins
  // can miss it; call it again until Serve has returned.
  void Stop();
  bool Running() const;

 private:
  struct Parts;
  std::unique_ptr<Parts> parts_;
};
