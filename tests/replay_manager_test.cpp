// Save_Replay on real files: which score files move, which go, and what
// the table reads afterwards.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "scores/replay_manager.h"
#include "scores/score_file.h"
#include "scores/score_table.h"
#include "score_file_check.h"
#include "temp_dir.h"

namespace {

constexpr int kLevel = 7;

ReplayEvent Event(ReplayEventType type, float time, int arg) {
  ReplayEvent e;
  e.type = type;
  e.time = time;
  e.arg = arg;
  return e;
}

std::string Printed(float v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%f", static_cast<double>(v));
  return buf;
}

// A per-user folder with a scores folder and a data folder, its manager,
// and the table the game keeps for the level just won.
class ScoreFolder {
 public:
  ScoreFolder() {
    std::filesystem::create_directories(dir.File("scores"));
    std::filesystem::create_directories(dir.File("data"));
    paths = {dir.File("scores"), dir.File("data"), dir.File("data/replay_1.tmp"), dir.File("data/replay_2.tmp")};
    manager = std::make_unique<ReplayManager>();
    manager->Set_Paths(paths);
  }

  std::string Place(int place) const { return Score_File_Path(paths.scores_folder, kLevel, place); }

  // Places as earlier saves left them, holding p1, p2 ... by place; a time
  // of 0 leaves the place empty.
  void Seed(const std::vector<float>& times) {
    for (size_t i = 0; i < times.size(); ++i) {
      if (times[i] <= 0.0f) continue;
      const std::string name = "p" + std::to_string(i + 1);
      ASSERT_TRUE(Write_File_Whole(Place(static_cast<int>(i) + 1), Score_File_Text("0.000 4 6 ", name, times[i])));
    }
  }

  // An attempt won in `seconds`, ranked as the game ranks it, and the name
  // typed for it when it made the top five.
  void Finish(float seconds, const std::string& name) {
    manager->Open_Recording(colors::kRed);
    manager->Record(Event(EVENT_SHOOTER_ANGLE, 0.5f, 70));
    manager->Record(Event(EVENT_BRICK_REMOVED, 1.25f, 3));
    Rank_Completed_Time(table, paths.scores_folder, kLevel, seconds);
    if (table.rank < kScorePlaces) table.entries[static_cast<size_t>(table.rank)].name = name;
  }

  // Every file of the scores folder, by file name.
  std::map<std::string, std::string> Files() const {
    std::map<std::string, std::string> files;
    for (const auto& e : std::filesystem::directory_iterator(paths.scores_folder)) {
      files[e.path().filename().string()] = Slurp(e.path().string());
    }
    return files;
  }

  // The name inside each place's file, "-" for none.
  std::string Names() const {
    std::string s;
    for (int place = 1; place <= kScorePlaces; ++place) {
      if (!s.empty()) s += ' ';
      if (!std::filesystem::exists(Place(place))) {
        s += '-';
        continue;
      }
      const ScoreFileParts p = Split_Score_File(Slurp(Place(place)));
      s += p.why.empty() ? p.name : "?(" + p.why + ")";
    }
    return s;
  }

  bool Work_Files_Gone() const {
    return !std::filesystem::exists(paths.recording) && !std::filesystem::exists(paths.work);
  }

  TempDir dir;
  ReplayPaths paths;
  std::unique_ptr<ReplayManager> manager;
  ScoreTable table;
};

}  // namespace

TEST(SaveReplay, NewTimeTakesItsPlaceAndTheOnesBelowMoveDownWhole) {
  const struct {
    std::vector<float> before;
    float time;
    int rank;
    const char* names;  // by place, after the save
  } cases[] = {
      {{10, 20, 30, 40, 50}, 45, 4, "p1 p2 p3 p4 New"},  // only the old fifth goes
      {{10, 20, 30, 40, 50}, 5, 0, "New p1 p2 p3 p4"},
      {{10, 20, 30, 40, 50}, 25, 2, "p1 p2 New p3 p4"},
      {{10, 20}, 30, 2, "p1 p2 New - -"},
      {{10, 20, 30}, 15, 1, "p1 New p2 p3 -"},
      {{}, 30, 0, "New - - - -"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.names);
    ScoreFolder f;
    f.Seed(c.before);
    f.Finish(c.time, "New");
    ASSERT_EQ(f.table.rank, c.rank);
    const auto before = f.Files();
    bool saw_work_file = false;
    f.manager->on_saved = [&](const std::string& work, const ScoreEntry& entry, int level) {
      saw_work_file = Split_Score_File(Slurp(work)).name == "New" && entry.name == "New" && entry.time == c.time &&
                      level == kLevel && !std::filesystem::exists(f.Place(c.rank + 1));
    };

    ASSERT_TRUE(f.manager->Save_Replay(f.table, kLevel));
    EXPECT_TRUE(saw_work_file) << "the upload hook sees the finished file before it takes its free place";
    EXPECT_EQ(f.Names(), c.names);
    // Old scores are moved, never rewritten.
    const auto after = f.Files();
    for (int place = 1; place <= kScorePlaces; ++place) {
      const std::string file = std::filesystem::path(f.Place(place)).filename().string();
      if (!after.count(file)) continue;
      const ScoreFileParts p = Split_Score_File(after.at(file));
      if (p.name == "New") {
        EXPECT_EQ(p.time, Printed(c.time));
        EXPECT_EQ(p.events, (std::vector<std::string>{"0.000", "4", "6", "0.500", "5", "70", "1.250", "0", "3"}));
        continue;
      }
      const int was = std::stoi(p.name.substr(1));
      const std::string old_file = std::filesystem::path(f.Place(was)).filename().string();
      EXPECT_EQ(after.at(file), before.at(old_file)) << file;
    }
    EXPECT_EQ(after.size(), std::min<size_t>(before.size() + 1, kScorePlaces)) << "no other file appears";

    // The table is what the files now say.
    std::string table_names;
    for (int i = 0; i < kScorePlaces; ++i) {
      const ScoreEntry& e = f.table.entries[static_cast<size_t>(i)];
      table_names += (i > 0 ? " " : "") + (e.path.empty() ? std::string("-") : e.name);
    }
    EXPECT_EQ(table_names, c.names);
    EXPECT_TRUE(f.Work_Files_Gone());
    EXPECT_FALSE(f.manager->Recording());
  }
}

TEST(SaveReplay, TopFiveTimeWithoutANameWaitsForOne) {
  ScoreFolder f;
  f.Seed({10, 20});
  f.Finish(15, "");
  ASSERT_EQ(f.table.rank, 1);
  const auto before = f.Files();
  EXPECT_FALSE(f.manager->Save_Replay(f.table, kLevel));
  EXPECT_EQ(f.Files(), before);
  EXPECT_TRUE(f.manager->Recording()) << "the attempt stays open";
  EXPECT_TRUE(std::filesystem::exists(f.paths.recording));

  f.table.entries[1].name = "Neo";
  EXPECT_TRUE(f.manager->Save_Replay(f.table, kLevel));
  EXPECT_EQ(f.Names(), "p1 Neo p2 - -");
}

TEST(SaveReplay, NoOpenAttemptIsRefused) {
  ScoreFolder f;
  f.Seed({10, 20});
  Rank_Completed_Time(f.table, f.paths.scores_folder, kLevel, 5);
  f.table.entries[0].name = "Ghost";
  EXPECT_FALSE(f.manager->Save_Replay(f.table, kLevel)) << "nothing was recorded";
  EXPECT_EQ(f.Names(), "p1 p2 - - -");

  f.Finish(15, "Neo");
  ASSERT_TRUE(f.manager->Save_Replay(f.table, kLevel));
  const auto saved = f.Files();
  f.table.rank = 0;  // the level-over screen asks again
  f.table.entries[0].name = "Neo";
  EXPECT_FALSE(f.manager->Save_Replay(f.table, kLevel)) << "saved already";
  EXPECT_EQ(f.Files(), saved);
}

TEST(SaveReplay, NothingToPlaceLeavesEveryScoreFileAlone) {
  const struct {
    const char* what;
    float time;
    bool recording_possible;
  } cases[] = {
      {"a time outside the top five", 60, true},
      {"a top-five time whose recording could not be made", 15, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ScoreFolder f;
    f.Seed({10, 20, 30, 40, 50});
    if (!c.recording_possible) {
      f.paths.recording = f.dir.File("missing/replay_1.tmp");
      f.manager->Set_Paths(f.paths);
    }
    Write_File_Whole(f.paths.work, "left by an earlier run");
    f.Finish(c.time, "Neo");
    const auto before = f.Files();
    EXPECT_TRUE(f.manager->Save_Replay(f.table, kLevel));
    EXPECT_EQ(f.Files(), before);
    EXPECT_TRUE(f.Work_Files_Gone());
    EXPECT_FALSE(f.manager->Save_Replay(f.table, kLevel)) << "the attempt is over";
  }
}

TEST(SaveReplay, WorkFilesGoWithTheManager) {
  ScoreFolder f;
  f.manager->Open_Recording(colors::kBlue);
  Write_File_Whole(f.paths.work, "half an upload");
  ASSERT_TRUE(std::filesystem::exists(f.paths.recording));
  f.manager.reset();
  EXPECT_TRUE(f.Work_Files_Gone());
}

// A save killed between its renames leaves one place empty in the middle
// of the table. The next save ranks the time among the files that are
// there; it must neither drop one of them nor put them out of order.
TEST(SaveReplay, SaveAfterAnInterruptedOneKeepsEveryScoreInOrder) {
  const struct {
    std::vector<float> before;  // 0: the place the killed save left empty
    float time;
    const char* names;
  } cases[] = {
      {{10, 0, 20, 30, 40}, 35, "p1 p3 p4 New p5"},
      {{10, 0, 20, 30, 40}, 45, "p1 p3 p4 p5 New"},
      {{10, 0, 20, 30, 40}, 5, "New p1 p3 p4 p5"},
      {{10, 20, 30, 0, 40}, 25, "p1 p2 New p3 p5"},
      {{10, 20, 30, 0, 40}, 50, "p1 p2 p3 p5 New"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.names);
    ScoreFolder f;
    f.Seed(c.before);
    f.Finish(c.time, "New");
    ASSERT_TRUE(f.manager->Save_Replay(f.table, kLevel));
    EXPECT_EQ(f.Names(), c.names);
    float last = 0.0f;
    for (int i = 0; i < kScorePlaces; ++i) {
      const ScoreEntry& e = f.table.entries[static_cast<size_t>(i)];
      EXPECT_FALSE(e.path.empty()) << "place " << i + 1;
      EXPECT_GE(e.time, last) << "place " << i + 1;
      last = e.time;
    }
  }
}
