// A game killed while it saves scores (kill -9, a power cut) must leave
// every score file whole, the places in order, and lose no stored score
// but the one a save pushes out of fifth place.
//
// A child process saves score after score for one level through
// Save_Replay and reports each save on a pipe; the parent kills it, at a
// random moment or while the upload hook holds the save between moving
// the old places down and renaming the new file in, then checks the files
// against what the reported saves allow.
#include <gtest/gtest.h>

#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "scores/replay_manager.h"
#include "scores/score_table.h"
#include "score_file_check.h"
#include "temp_dir.h"

namespace {

constexpr int kLevel = 12;
constexpr int kRounds = 60;

using Times = std::vector<float>;  // a multiset of times, kept sorted

Times Best_Five(Times t, float added) {
  t.push_back(added);
  std::sort(t.begin(), t.end());
  if (t.size() > kScorePlaces) t.resize(kScorePlaces);
  return t;
}

void Report(int fd, const std::string& line) {
  if (write(fd, line.data(), line.size()) < 0) _exit(3);
}

// The child: one attempt after another, each ranked and saved as the game
// does. Times fall from round to round, so most of them make the top five.
// With hold_upload the first save that reaches the upload hook reports
// "U" and waits there to be killed.
[[noreturn]] void Save_Until_Killed(const ReplayPaths& paths, int round, bool hold_upload, int report) {
  prctl(PR_SET_PDEATHSIG, SIGKILL);
  if (getppid() == 1) _exit(2);
  std::mt19937 rng(static_cast<unsigned>(round) * 7919u + 17u);
  ReplayManager m;
  m.Set_Paths(paths);
  if (hold_upload) {
    m.on_saved = [report](const std::string&, const ScoreEntry&, int) {
      Report(report, "U\n");
      for (;;) pause();
    };
  }
  for (int n = 0; n < 100000; ++n) {
    const float seconds = static_cast<float>(960 - 12 * round + static_cast<int>(rng() % 64)) / 8.0f;
    m.Open_Recording(colors::kRed);
    ReplayEvent e;
    e.type = EVENT_SHOOTER_ANGLE;
    for (int i = 0; i < 20; ++i) {
      e.time = 0.1f * static_cast<float>(i);
      e.arg = 20 + i;
      m.Record(e);
    }
    ScoreTable t;
    Rank_Completed_Time(t, paths.scores_folder, kLevel, seconds);
    if (t.rank < kScorePlaces) {
      t.entries[static_cast<size_t>(t.rank)].name = "r" + std::to_string(round) + "n" + std::to_string(n);
    }
    char line[64];
    std::snprintf(line, sizeof line, "S %f\n", static_cast<double>(seconds));
    Report(report, line);
    m.Save_Replay(t, kLevel);
    Report(report, "D\n");
  }
  _exit(0);
}

// Appends what the child reported to log until `until` is in it; with
// until empty, to the end of the pipe. False when nothing more came in
// time.
bool Read_Reports(int fd, std::string& log, const std::string& until) {
  while (until.empty() || log.find(until) == std::string::npos) {
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, 5000) <= 0) return false;
    char buf[4096];
    const ssize_t n = read(fd, buf, sizeof buf);
    if (n <= 0) return until.empty();
    log.append(buf, static_cast<size_t>(n));
  }
  return true;
}

// The score times on disk as the places hold them, after checking that
// each file is whole, the places are in order, at most one place is
// empty before the last one filled, and nothing else is in the folder.
Times Check_Places(const std::string& folder, std::string& failure) {
  Times times;
  std::set<std::string> names;
  int holes = 0, empty_run = 0;
  float last = 0.0f;
  for (int place = 1; place <= kScorePlaces; ++place) {
    const std::string path = Score_File_Path(folder, kLevel, place);
    if (!std::filesystem::exists(path)) {
      ++empty_run;
      continue;
    }
    holes += empty_run;
    empty_run = 0;
    const ScoreFileParts p = Split_Score_File(Slurp(path));
    if (!p.why.empty()) {
      failure += "place " + std::to_string(place) + " is no whole score file: " + p.why + "\n";
      continue;
    }
    const float t = std::strtof(p.time.c_str(), nullptr);
    if (t < last) failure += "place " + std::to_string(place) + " holds " + p.time + ", better than the place above\n";
    if (!names.insert(p.name).second) failure += "the score of " + p.name + " is in two places\n";
    last = t;
    times.push_back(t);
  }
  if (holes > 1) failure += std::to_string(holes) + " empty places above a filled one\n";
  for (const auto& e : std::filesystem::directory_iterator(folder)) {
    const std::string name = e.path().filename().string();
    const bool place_file = name.size() == 7 && name.rfind("012.00", 0) == 0 && name[6] >= '1' && name[6] <= '5';
    if (!place_file) failure += "a stray file " + name + "\n";
  }
  std::sort(times.begin(), times.end());
  return times;
}

std::string Show(const Times& t) {
  std::ostringstream s;
  for (float v : t) s << v << ' ';
  return s.str();
}

}  // namespace

TEST(ReplayKill, KilledSavesLeaveWholeOrderedFilesAndLoseNoStoredScore) {
  TempDir dir;
  const ReplayPaths paths{dir.File("scores"), dir.File("data"), dir.File("data/replay_1.tmp"),
                          dir.File("data/replay_2.tmp")};
  std::filesystem::create_directories(paths.scores_folder);
  std::filesystem::create_directories(paths.data_folder);
  const unsigned seed = std::random_device{}();
  SCOPED_TRACE("seed " + std::to_string(seed));
  std::mt19937 rng(seed);

  Times stored;  // what the places held after the last kill
  int saves = 0, cut = 0;
  for (int round = 0; round < kRounds; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    const bool hold_upload = round % 2 == 1;
    int pipe_fd[2];
    ASSERT_EQ(pipe(pipe_fd), 0);
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      close(pipe_fd[0]);
      Save_Until_Killed(paths, round, hold_upload, pipe_fd[1]);
    }
    close(pipe_fd[1]);
    std::string log;
    const bool reached = Read_Reports(pipe_fd[0], log, hold_upload ? "U\n" : "S ");
    if (!hold_upload) std::this_thread::sleep_for(std::chrono::microseconds(rng() % 4000));
    kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
    Read_Reports(pipe_fd[0], log, "");
    close(pipe_fd[0]);
    ASSERT_TRUE(reached) << "the child reported nothing in time: " << log;
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the child ended by itself";

    // Replay the reports: finished saves move the model on; a save cut
    // short may have left the places as they were, without the old fifth,
    // or finished.
    Times before = stored;
    bool pending = false;
    float pending_time = 0.0f;
    std::istringstream lines(log);
    for (std::string line; std::getline(lines, line);) {
      if (line.rfind("S ", 0) == 0) {
        pending = true;
        pending_time = std::strtof(line.c_str() + 2, nullptr);
      } else if (line == "D" && pending) {
        before = Best_Five(before, pending_time);
        pending = false;
        ++saves;
      }
    }
    std::vector<Times> allowed = {before};
    if (pending) {
      ++cut;
      allowed.push_back(Best_Five(before, pending_time));
      if (before.size() == kScorePlaces && pending_time <= before.back()) {
        allowed.push_back(Times(before.begin(), before.end() - 1));
      }
    }

    std::string failure;
    const Times on_disk = Check_Places(paths.scores_folder, failure);
    ASSERT_EQ(failure, "");
    ASSERT_NE(std::find(allowed.begin(), allowed.end(), on_disk), allowed.end())
        << "on disk: " << Show(on_disk) << "\nbefore the last save: " << Show(before)
        << (pending ? "\ncut short while saving " + std::to_string(pending_time) : std::string());
    stored = on_disk;
  }
  EXPECT_GT(saves, 0);
  EXPECT_GE(cut, kRounds / 2) << "the held uploads were all cut short";

  // The next save that runs to its end leaves the places whole again.
  {
    ReplayManager m;
    m.Set_Paths(paths);
    m.Open_Recording(colors::kBlue);
    ScoreTable t;
    Rank_Completed_Time(t, paths.scores_folder, kLevel, 1.0f);
    ASSERT_EQ(t.rank, 0);
    t.entries[0].name = "last";
    ASSERT_TRUE(m.Save_Replay(t, kLevel));
  }
  std::string failure;
  const Times final_times = Check_Places(paths.scores_folder, failure);
  EXPECT_EQ(failure, "");
  EXPECT_EQ(final_times, Best_Five(stored, 1.0f));
  for (int place = 1; place <= static_cast<int>(final_times.size()); ++place) {
    EXPECT_TRUE(std::filesystem::exists(Score_File_Path(paths.scores_folder, kLevel, place))) << "place " << place;
  }
}
