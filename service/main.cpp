// prismel-scores: the game's web service. Opens the database and the level
// data, serves until SIGTERM or SIGINT, then stops taking requests, lets
// the ones under way finish and closes the database.
//
// The signals are taken by one thread with sigtimedwait, not by a handler,
// so stopping is ordinary code; every other thread has them blocked.
#include <pthread.h>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <thread>

#include "engine/program_folder.h"
#include "service/command_line.h"
#include "service/score_checker.h"
#include "service/scores_server.h"
#include "service/service_log.h"
#include "service/sqlite_store.h"

int main(int argc, char** argv) {
  CommandLine options;
  std::string why;
  if (!Parse_Command_Line(std::vector<std::string>(argv + 1, argv + argc), options, why)) {
    std::fprintf(stderr, "prismel-scores: %s\n%s", why.c_str(), Usage().c_str());
    return 2;
  }
  if (options.help) {
    std::printf("%s", Usage().c_str());
    return 0;
  }
  const LogSink log = Standard_Error_Log();

  sigset_t stop_signals;
  sigemptyset(&stop_signals);
  sigaddset(&stop_signals, SIGTERM);
  sigaddset(&stop_signals, SIGINT);
  pthread_sigmask(SIG_BLOCK, &stop_signals, nullptr);  // before any thread starts: they inherit it

  const std::string data = options.data.empty() ? Executable_Folder() : options.data;
  std::unique_ptr<ScoreChecker> checker = ScoreChecker::Open(data, why);
  if (!checker) {
    log("cannot start: " + why);
    return 1;
  }
  std::unique_ptr<SqliteStore> store = SqliteStore::Open(options.db, why);
  if (!store) {
    log("cannot open the database " + options.db + ": " + why);
    return 1;
  }
  ServerSettings settings;
  settings.public_url = options.public_url;
  settings.rate_per_minute = options.rate_per_minute;
  settings.log = log;
  int exit_code = 0;
  {
    ScoresServer server(*store, *checker, settings);
    const int port = server.Bind(options.host, options.port);
    if (port < 0) {
      log("cannot listen on " + options.host + ":" + std::to_string(options.port));
      return 1;
    }
    const StoreCounts counts = store->Counts();
    log("listening on " + options.host + ":" + std::to_string(port) + ", public as " + options.public_url + ", " +
        std::to_string(counts.published) + " public scores in " + options.db);

    // The watcher looks up now and then to see whether Serve ended on its
    // own (the socket failed), so that it never outlives the server.
    std::atomic<bool> serving{true};
    std::thread watcher([&] {
      const timespec tick{0, 200 * 1000 * 1000};
      bool stopping = false;
      while (serving) {
        const int signal = sigtimedwait(&stop_signals, nullptr, &tick);
        if (!stopping && (signal == SIGTERM || signal == SIGINT)) {
          log(std::string("stopping on ") + (signal == SIGTERM ? "SIGTERM" : "SIGINT"));
          stopping = true;
        }
        if (stopping) server.Stop();
      }
    });
    if (!server.Serve()) exit_code = 1;
    serving = false;
    watcher.join();
  }
  store.reset();  // closes the database: the WAL is checkpointed into the file
  log("stopped");
  return exit_code;
}
