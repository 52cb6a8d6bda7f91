// ReplayManager: the recording of the attempt in progress and the turning
// of a winning one into a score file in its place of the level's table
// (Save_Replay), and the score file being played back.
//
// Score files are replaced safely: the new file is written whole under a
// work name and renamed into its place, and older places move down by
// renames, so a program killed at any moment leaves every score file
// either as it was or whole in its new place; only the score pushed out of
// fifth place is lost. The work files are removed when the manager goes.
#pragma once

#include <functional>
#include <string>

#include "scores/replay_player.h"
#include "scores/replay_recorder.h"
#include "scores/score_table.h"

struct ReplayPaths {
  std::string scores_folder;  // LLL.PPP score files
  std::string data_folder;    // work files
  std::string recording;      // replay_1.tmp
  std::string work;           // replay_2.tmp
};

class ReplayManager {
 public:
  ReplayManager() = default;
  ~ReplayManager();
  ReplayManager(const ReplayManager&) = delete;
  ReplayManager& operator=(const ReplayManager&) = delete;

  void Set_Paths(const ReplayPaths& paths) { paths_ = paths; }
  const ReplayPaths& Paths() const { return paths_; }

  // A new attempt begins: replay_1.tmp starts with the shooter's colour.
  // An attempt whose file cannot be made is played unrecorded.
  void Open_Recording(const Color& shooter);
  void Record(const ReplayEvent& e) { recorder_.Record(e); }
  bool Recording() const { return attempt_; }

  // Leaving a finished level. False (stay on the level-over screen) while
  // the new top-five time has no name, or when no attempt is open (it was
  // saved already). Otherwise the attempt ends: a top-five time becomes
  // the score file of its place and the table t is read again.
  bool Save_Replay(ScoreTable& t, int level);

  // Called with the finished score file (under its work name), the entry
  // and the level, before the file takes its place; the upload hangs here.
  std::function<void(const std::string& work_file, const ScoreEntry& entry, int level)> on_saved;

  ReplayPlayer player;

 private:
  void Remove_Work_Files() const;

  ReplayPaths paths_;
  ReplayRecorder recorder_;
  bool attempt_ = false;
};

// Writes text to path through path + ".part", flushed to disk and renamed
// into place; false (the old file untouched, nothing left behind) on any
// failure.
bool Write_File_Whole(const std::string& path, const std::string& text);
