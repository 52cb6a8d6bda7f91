#include "frontend/save_replay.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

#include "engine/log.h"
#include "frontend/game.h"
#include "level/pak_archive.h"

bool Save_Replay(Game& game, int level) { return game.replays.Save_Replay(game.g.Scores, level); }

void Start_Recording(Game& game) { game.replays.Open_Recording(game.g.Shooter.NextColor); }

std::string Upload_Copy_Path(const std::string& folder, int level, float time, const std::string& name) {
  char tail[96];
  std::snprintf(tail, sizeof tail, "/%.3i_%f_", level, time);
  return folder + tail + name + ".tmp";
}

bool Copy_To_New_File(const std::string& from, const std::string& to) {
  std::string bytes;
  if (!Read_File(from, bytes)) return false;
  // O_EXCL: an existing copy (an upload of the same time still pending) is
  // never overwritten under a running thread.
  const int fd = open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n <= 0) break;
    done += static_cast<size_t>(n);
  }
  const bool ok = close(fd) == 0 && done == bytes.size();
  if (!ok) unlink(to.c_str());
  return ok;
}

void Connect_Upload(Game& game) {
  game.replays.on_saved = [&game](const std::string& work_file, const ScoreEntry& entry, int level) {
    const GameState& g = game.g;
    if (g.UploadHighScores != 1) return;
    const std::string copy = Upload_Copy_Path(g.UserDataFolder, level, entry.time, entry.name);
    if (!Copy_To_New_File(work_file, copy)) {
      Log_Write(g_log_stream, 1, "Save_Replay() :: failed (could not copy [%s] for the upload)", copy.c_str());
      return;
    }
    CThreadData data;
    data.path = copy;
    data.level = level;
    data.time = entry.time;
    data.name = entry.name;
    if (!game.upload.Start(data)) std::remove(copy.c_str());
  };
}
