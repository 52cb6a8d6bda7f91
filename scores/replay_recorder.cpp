#include "scores/replay_recorder.h"

#include "engine/log.h"
#include "scores/replay_format.h"

bool ReplayRecorder::Open(const std::string& path, const Color& shooter) {
  Close();
  file_ = std::fopen(path.c_str(), "wb");
  failed_ = false;
  if (file_ == nullptr) {
    Log_Write(g_log_stream, 1, "ReplayRecorder::Open() :: failed (could not create [%s])", path.c_str());
    return false;
  }
  const std::string first = First_Replay_Event(shooter);
  failed_ = std::fputs(first.c_str(), file_) < 0;
  return true;
}

void ReplayRecorder::Record(const ReplayEvent& e) {
  if (file_ == nullptr) return;
  const std::string text = Format_Replay_Event(e);
  if (std::fputs(text.c_str(), file_) < 0) failed_ = true;
}

bool ReplayRecorder::Close() {
  if (file_ == nullptr) return !failed_;
  if (std::fclose(file_) != 0) failed_ = true;
  file_ = nullptr;
  return !failed_;
}
