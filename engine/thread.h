// CThread: work the frame loop must not wait for, on a thread of its own.
// The game has one use: the high-score upload (CThread_Upload).
//
// Each start runs its body on a new thread with its own copy of the start
// record, so a second start while the first still runs never touches the
// first one's data. The body gets a cancel flag; going away raises it and
// waits a bounded time, so a body stuck on the network cannot hold the
// program at exit. A body that has not returned by then is left to end
// with the process: from that moment its log lines are dropped, since the
// log may be closed under it.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

// What an upload starts with.
struct CThreadData {
  std::string path;   // the file to send
  int level = 0;
  float time = 0.0f;  // seconds
  std::string name;
};

class CThread {
 public:
  CThread() = default;
  virtual ~CThread();
  CThread(const CThread&) = delete;
  CThread& operator=(const CThread&) = delete;

  // Bodies that have not returned yet.
  int Running() const;
  // Waits up to seconds for every body to return; true when none runs.
  bool Wait(float seconds);

  // Log lines of a body: written unless the body has been left behind.
  class Gate {
   public:
    void Log(int level, const std::string& line);
    const std::atomic<bool>& Cancel() const { return cancel_; }

   private:
    friend class CThread;
    std::atomic<bool> cancel_{false};
    std::atomic<bool> done_{false};
    std::mutex log_mutex_;
    bool abandoned_ = false;
  };

 protected:
  // Starts body on a new thread; false (with a log line) when no thread
  // can be made.
  bool Start_Body(std::function<void(Gate&)> body);
  // Raises every cancel flag and waits up to seconds; bodies still running
  // are left behind.
  void Stop(float seconds);

 private:
  struct Worker {
    std::shared_ptr<Gate> gate;
    int id = 0;
  };
  std::vector<Worker> workers_;
  int next_id_ = 1;
};

// Seconds a going-away CThread waits for its bodies after cancelling them:
// long enough for a transfer to notice the flag, short enough for a prompt
// exit.
inline constexpr float kThreadStopSeconds = 0.5f;
