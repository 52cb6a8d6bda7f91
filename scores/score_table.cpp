#include "scores/score_table.h"

#include <cmath>
#include <cstdio>
#include <utility>

#include "engine/log.h"
#include "engine/text_scan.h"
#include "level/pak_archive.h"

namespace {
constexpr unsigned char kBackspace = 8;
constexpr unsigned char kShift = 16;
constexpr size_t kNameScanChars = 20;  // a score file's name field is read this far
}  // namespace

std::string Score_File_Path(const std::string& folder, int level, int place) {
  char name[32];
  std::snprintf(name, sizeof name, "%.3i.%.3i", level, place);
  return folder + "/" + name;
}

void Load_Score_Table(ScoreTable& t, const std::string& folder, int level) {
  t.entries.fill(ScoreEntry());
  for (int place = 1; place <= kScorePlaces && !folder.empty(); ++place) {
    const std::string path = Score_File_Path(folder, level, place);
    std::string text;
    if (!Read_File(path, text)) continue;
    TextCursor cur(text);
    float version = 0.0f, time = kEmptyScoreTime;
    std::string name;
    if (cur.Float(version) != ScanResult::Ok || cur.Word(name, kNameScanChars) != ScanResult::Ok ||
        cur.Float(time) != ScanResult::Ok) {
      continue;
    }
    // A time that is no run's time would become the best time and the
    // total: the place counts as empty.
    if (!std::isfinite(time) || time <= 0.0f || time >= kEmptyScoreTime) {
      Log_Write(g_log_stream, 1, "Load_Score_Table() :: [%s] holds no time [%g]; its place counts as empty",
                path.c_str(), time);
      continue;
    }
    ScoreEntry& e = t.entries[static_cast<size_t>(place - 1)];
    e.name = name.substr(0, kMaxScoreName);
    e.time = time;
    e.path = path;
  }
  if (level >= 1 && level < kScoreLevels) t.best_times[static_cast<size_t>(level)] = t.entries[0].time;
  Compute_Total_Time(t);
}

void Rank_New_Score(ScoreTable& t) {
  // Names and times move together; paths stay with their places.
  size_t new_at = kScorePlaces;
  for (size_t h = kScorePlaces; h >= 1; --h) {
    size_t largest = 0;
    for (size_t k = 1; k <= h; ++k) {
      if (t.entries[k].time > t.entries[largest].time) largest = k;
    }
    std::swap(t.entries[largest].name, t.entries[h].name);
    std::swap(t.entries[largest].time, t.entries[h].time);
    if (new_at == largest) {
      new_at = h;
    } else if (new_at == h) {
      new_at = largest;
    }
  }
  t.rank = static_cast<int>(new_at);
}

void Rank_Completed_Time(ScoreTable& t, const std::string& folder, int level, float seconds) {
  Load_Score_Table(t, folder, level);
  ScoreEntry& fresh = t.entries[kScorePlaces];
  fresh.time = seconds;
  fresh.name = "tempUser";
  Rank_New_Score(t);
}

void Edit_Score_Name(ScoreTable& t, unsigned char* keys) {
  if (t.rank >= kScorePlaces) return;
  if (keys[kBackspace] && !t.typed_name.empty()) {
    t.typed_name.pop_back();
    keys[kBackspace] = 0;
  } else {
    const bool shift = keys[kShift] != 0;
    for (int k = '0'; k <= '9'; ++k) {
      if (keys[k] && t.typed_name.size() < kMaxScoreName) {
        t.typed_name += static_cast<char>(k);
        keys[k] = 0;
      }
    }
    for (int k = 'A'; k <= 'Z'; ++k) {
      if (keys[k] && t.typed_name.size() < kMaxScoreName) {
        t.typed_name += static_cast<char>(shift ? k : k - 'A' + 'a');
        keys[k] = 0;
      }
    }
  }
  t.entries[static_cast<size_t>(t.rank)].name = t.typed_name;
}

void Compute_Total_Time(ScoreTable& t) {
  t.TotalTime = 0.0f;
  t.AllLevelsCompleted = true;
  for (int level = 1; level < kScoreLevels; ++level) {
    const float best = t.best_times[static_cast<size_t>(level)];
    if (best < kEmptyScoreTime) {
      t.TotalTime += best;
    } else {
      t.AllLevelsCompleted = false;
    }
  }
}
