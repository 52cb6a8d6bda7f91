#include "engine/thread.h"

#include <chrono>
#include <system_error>
#include <thread>

#include "engine/log.h"

void CThread::Gate::Log(int level, const std::string& line) {
  std::lock_guard<std::mutex> lock(log_mutex_);
  if (!abandoned_) Log_Write(g_log_stream, level, "%s", line.c_str());
}

CThread::~CThread() { Stop(kThreadStopSeconds); }

int CThread::Running() const {
  int n = 0;
  for (const Worker& w : workers_) n += w.gate->done_ ? 0 : 1;
  return n;
}

bool CThread::Wait(float seconds) {
  const auto until = std::chrono::steady_clock::now() + std::chrono::duration<float>(seconds);
  while (Running() > 0) {
    if (std::chrono::steady_clock::now() >= until) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  return true;
}

bool CThread::Start_Body(std::function<void(Gate&)> body) {
  // Finished workers are forgotten; their threads were detached at start.
  std::erase_if(workers_, [](const Worker& w) { return w.gate->done_.load(); });
  auto gate = std::make_shared<Gate>();
  try {
    std::thread t([gate, body = std::move(body)] {
      body(*gate);
      gate->done_ = true;
    });
    t.detach();
  } catch (const std::system_error&) {
    Log_Write(g_log_stream, 1, "Unable to create thread");
    return false;
  }
  const int id = next_id_++;
  workers_.push_back({gate, id});
  Log_Write(g_log_stream, 0, "Created thread [%i]", id);
  return true;
}

void CThread::Stop(float seconds) {
  if (workers_.empty()) return;
  for (Worker& w : workers_) w.gate->cancel_ = true;
  Wait(seconds);
  for (Worker& w : workers_) {
    std::lock_guard<std::mutex> lock(w.gate->log_mutex_);
    if (!w.gate->done_) w.gate->abandoned_ = true;
    Log_Write(g_log_stream, 0, "Closed thread [%i]", w.id);
  }
  workers_.clear();
}
