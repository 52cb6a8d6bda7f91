#include <gtest/gtest.h>

#include <filesystem>

#include <vector>

#include "scores/score_table.h"
#include "temp_dir.h"

namespace {

// Places as (name, time); a time of 0 leaves the place empty.
ScoreTable Table_With(const std::vector<float>& times, float fresh) {
  ScoreTable t;
  for (size_t i = 0; i < times.size(); ++i) {
    t.entries[i].name = "p" + std::to_string(i + 1);
    t.entries[i].time = times[i];
  }
  t.entries[5].name = "tempUser";
  t.entries[5].time = fresh;
  Rank_New_Score(t);
  return t;
}

std::string Names(const ScoreTable& t) {
  std::string s;
  for (int i = 0; i < kScorePlaces; ++i) s += t.entries[static_cast<size_t>(i)].name + " ";
  return s;
}

}  // namespace

TEST(ScoreTable, RankingKeepsTheGameOrderOfEqualTimes) {
  const ScoreTable a = Table_With({10, 20}, 15);
  EXPECT_EQ(a.rank, 1);
  EXPECT_EQ(Names(a), "p1 tempUser p2 ----- ----- ");

  const ScoreTable b = Table_With({10, 30, 30, 40, 50}, 30);
  EXPECT_EQ(b.rank, 2);
  EXPECT_EQ(Names(b), "p1 p3 tempUser p2 p4 ") << "the two old 30s change places";

  const ScoreTable c = Table_With({10, 20, 30, 40, 50}, 30);
  EXPECT_EQ(c.rank, 2);
  EXPECT_EQ(Names(c), "p1 p2 tempUser p3 p4 ");

  const ScoreTable d = Table_With({10, 20, 30, 40, 50}, 60);
  EXPECT_EQ(d.rank, 5);
  EXPECT_EQ(Names(d), "p1 p2 p3 p4 p5 ");
}

TEST(ScoreTable, LoadingFilesBestTimesAndTotal) {
  TempDir dir;
  dir.Write("007.001", "1.03 Alice 12.500000 0.000 4 6 ");
  dir.Write("007.002", "1.03 ABCDEFGHIJKLMNOPQRST 13.000000 ");
  dir.Write("007.004", "garbage");
  for (const char* time : {"nan", "inf", "0", "-5", "10000", "1e39"}) {
    dir.Write("007.005", std::string("1.03 Mallory ") + time + " ");
    ScoreTable bad;
    Load_Score_Table(bad, dir.path(), 7);
    EXPECT_EQ(bad.entries[4].name, "-----") << "a time of " << time << " is no score";
    EXPECT_EQ(bad.TotalTime, 12.5f);
  }
  std::filesystem::remove(dir.File("007.005"));
  std::filesystem::create_directories(dir.File("007.003"));  // a folder where a score file belongs
  ScoreTable t;
  Load_Score_Table(t, dir.path(), 7);
  EXPECT_EQ(t.entries[0].name, "Alice");
  EXPECT_EQ(t.entries[0].time, 12.5f);
  EXPECT_EQ(t.entries[0].path, dir.File("007.001"));
  EXPECT_EQ(t.entries[1].name, "ABCDEFGHIJKLMNO") << "names keep at most 15 characters";
  EXPECT_EQ(t.entries[2].time, kEmptyScoreTime);
  EXPECT_EQ(t.entries[3].name, "-----") << "an unreadable file is an empty place";
  EXPECT_EQ(t.best_times[7], 12.5f);
  EXPECT_EQ(t.TotalTime, 12.5f);
  EXPECT_FALSE(t.AllLevelsCompleted);

  Load_Score_Table(t, dir.path(), 8);  // no files: five empty rows
  EXPECT_EQ(t.entries[0].time, kEmptyScoreTime);
  EXPECT_EQ(t.TotalTime, 12.5f) << "an empty level does not count";
  for (int level = 1; level <= 60; ++level) t.best_times[static_cast<size_t>(level)] = 1.0f;
  Compute_Total_Time(t);
  EXPECT_TRUE(t.AllLevelsCompleted);
  EXPECT_EQ(t.TotalTime, 60.0f);
}

TEST(ScoreTable, NameEntryFromTheKeyArray) {
  ScoreTable t;
  t.rank = 1;
  unsigned char keys[256] = {};
  keys[8] = 1;  // Backspace on an empty name does nothing
  Edit_Score_Name(t, keys);
  EXPECT_EQ(t.typed_name, "");
  keys[8] = 0;

  keys['B'] = keys['A'] = keys['7'] = 1;  // digits first, then letters in key order
  Edit_Score_Name(t, keys);
  EXPECT_EQ(t.typed_name, "7ab");
  EXPECT_EQ(keys['A'] + keys['B'] + keys['7'], 0) << "consumed";
  keys[16] = 1;  // Shift
  keys['Q'] = 1;
  Edit_Score_Name(t, keys);
  EXPECT_EQ(t.typed_name, "7abQ");
  keys[16] = 0;

  keys[8] = 1;
  keys['Z'] = 1;
  Edit_Score_Name(t, keys);
  EXPECT_EQ(t.typed_name, "7ab") << "Backspace takes no other key that frame";
  EXPECT_EQ(keys['Z'], 1);
  keys['Z'] = 0;

  t.typed_name = "abcdefghijklmno";
  keys['X'] = 1;
  Edit_Score_Name(t, keys);
  EXPECT_EQ(t.typed_name.size(), 15u) << "a sixteenth character is refused";
  EXPECT_EQ(keys['X'], 1) << "and stays unconsumed";
  EXPECT_EQ(t.entries[1].name, "abcdefghijklmno");

  t.rank = 5;  // not in the top five: no name entry
  keys['Y'] = 1;
  t.typed_name.clear();
  Edit_Score_Name(t, keys);
  EXPECT_EQ(t.typed_name, "");
}
