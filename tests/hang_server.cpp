// A service that is up but stuck: listens on 127.0.0.1, prints its port,
// accepts every connection and never answers, until it is killed.
#include "http_test_server.h"

#include <csignal>
#include <cstdio>

int main() {
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, SIGTERM);
  sigaddset(&set, SIGINT);
  pthread_sigmask(SIG_BLOCK, &set, nullptr);
  HttpTestServer stuck({}, true);
  std::printf("%d\n", stuck.port());
  std::fflush(stdout);
  int signal = 0;
  sigwait(&set, &signal);
  return 0;
}
