#include "scores/replay_manager.h"

#include <unistd.h>

#include <cstdio>

#include "engine/log.h"
#include "level/pak_archive.h"
#include "scores/score_file.h"

bool Write_File_Whole(const std::string& path, const std::string& text) {
  const std::string part = path + ".part";
  std::FILE* f = std::fopen(part.c_str(), "wb");
  if (f == nullptr) return false;
  bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
  ok = std::fflush(f) == 0 && ok;
  ok = fsync(fileno(f)) == 0 && ok;  // whole on disk before it has a real name
  ok = std::fclose(f) == 0 && ok;
  ok = ok && std::rename(part.c_str(), path.c_str()) == 0;
  if (!ok) std::remove(part.c_str());
  return ok;
}

ReplayManager::~ReplayManager() {
  recorder_.Close();
  Remove_Work_Files();
}

void ReplayManager::Remove_Work_Files() const {
  if (!paths_.recording.empty()) std::remove(paths_.recording.c_str());
  if (!paths_.work.empty()) std::remove(paths_.work.c_str());
}

void ReplayManager::Open_Recording(const Color& shooter) {
  attempt_ = true;
  recorder_.Open(paths_.recording, shooter);
}

bool ReplayManager::Save_Replay(ScoreTable& t, int level) {
  const bool top_five = t.rank >= 0 && t.rank < kScorePlaces;
  const ScoreEntry entry = top_five ? t.entries[static_cast<size_t>(t.rank)] : ScoreEntry();
  if (top_five && entry.name.empty()) return false;
  if (!attempt_) return false;
  attempt_ = false;
  const bool was_recording = recorder_.Is_Open();
  const bool complete = recorder_.Close();
  if (!top_five) {
    Remove_Work_Files();
    return true;
  }
  if (!was_recording || !complete) {
    // The attempt could not be recorded (or not whole): there is no replay
    // to keep, and the player is not held on the level-over screen for it.
    Log_Write(g_log_stream, 1, "ReplayManager::Save_Replay() :: failed (no whole recording in [%s])",
              paths_.recording.c_str());
    Remove_Work_Files();
    Load_Score_Table(t, paths_.scores_folder, level);
    return true;
  }

  std::string recording;
  if (!Read_File(paths_.recording, recording) ||
      !Write_File_Whole(paths_.work, Score_File_Text(recording, entry.name, entry.time))) {
    Log_Write(g_log_stream, 1, "ReplayManager::Save_Replay() :: failed (could not write [%s])", paths_.work.c_str());
  } else {
    const std::string& folder = paths_.scores_folder;
    // A save cut short between its renames leaves one place empty above
    // filled ones. The time was ranked among the files that are there, so
    // they close up first; otherwise the moves below push out a score that
    // still belongs in the top five and can put the new one above a better
    // time. Each step moves a whole file up into the empty place.
    int filled = 0;
    for (int p = 1; p <= kScorePlaces; ++p) {
      const std::string from = Score_File_Path(folder, level, p);
      if (access(from.c_str(), F_OK) != 0) continue;
      if (++filled != p) std::rename(from.c_str(), Score_File_Path(folder, level, filled).c_str());
    }
    std::remove(Score_File_Path(folder, level, kScorePlaces).c_str());
    // Every place from the new one down moves one place on, the last first,
    // so that each rename lands on a name that is free.
    const int place = t.rank + 1;
    for (int p = kScorePlaces - 1; p >= place; --p) {
      std::rename(Score_File_Path(folder, level, p).c_str(), Score_File_Path(folder, level, p + 1).c_str());
    }
    if (on_saved) on_saved(paths_.work, entry, level);
    if (std::rename(paths_.work.c_str(), Score_File_Path(folder, level, place).c_str()) != 0) {
      Log_Write(g_log_stream, 1, "ReplayManager::Save_Replay() :: failed (could not place [%s])",
                Score_File_Path(folder, level, place).c_str());
    }
  }
  Load_Score_Table(t, paths_.scores_folder, level);
  Remove_Work_Files();
  return true;
}
