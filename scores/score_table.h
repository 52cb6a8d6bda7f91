// High-score tables: the five best times of a level (lower is better), each
// stored as a score file that is also that run's replay, the best time of
// every level and their total, and the typing of a name for a new top-five
// time.
//
// Score files are "<ScoresFolder>/LLL.PPP" (level, place 001..005) and begin
// "version name time". This module reads them; writing them is the replay
// writer's job.
#pragma once

#include <array>
#include <string>

struct GameState;

inline constexpr int kScorePlaces = 5;
inline constexpr int kMaxScoreName = 15;      // characters
inline constexpr float kEmptyScoreTime = 10000.0f;  // seconds: an empty place
inline constexpr int kScoreLevels = 61;

struct ScoreEntry {
  std::string name = "-----";
  std::string path;  // empty for an empty place
  float time = kEmptyScoreTime;
};

struct ScoreTable {
  std::array<ScoreEntry, kScorePlaces + 1> entries;  // 0..4 places 1..5; 5 the new time
  std::array<float, kScoreLevels> best_times;        // index = level; level 0 has none
  float TotalTime = 0.0f;
  bool AllLevelsCompleted = false;
  int rank = kScorePlaces;  // where the new time landed; 5: not in the top five
  std::string typed_name;   // kept for the whole run and offered again

  ScoreTable() { best_times.fill(kEmptyScoreTime); }
};

std::string Score_File_Path(const std::string& folder, int level, int place);

// Reads the five places of a level; missing or unreadable files are empty
// places. Levels 1..60 also set their best time. Then Compute_Total_Time.
void Load_Score_Table(ScoreTable& t, const std::string& folder, int level);
// Sorts the six entries by time (entry 5 holds the new time) with the
// game's selection sort and records where the new time landed.
void Rank_New_Score(ScoreTable& t);
// A level was won in `seconds`: loads its table, puts the time into entry 5
// with the placeholder name "tempUser" and ranks it.
void Rank_Completed_Time(ScoreTable& t, const std::string& folder, int level, float seconds);
// Name entry on the level-over screen from the key array (virtual-key codes);
// consumed keys are set back to 0.
void Edit_Score_Name(ScoreTable& t, unsigned char* keys);
void Compute_Total_Time(ScoreTable& t);
