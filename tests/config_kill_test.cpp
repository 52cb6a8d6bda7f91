// config.dat after a kill -9 in the middle of a save: a child writes the
// settings over and over, alternating between two sets; killed at random
// moments, it must leave behind one whole file that reads back as one of
// the two sets, never a mixture and never an empty or cut file.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <thread>

#include "frontend/config.h"
#include "temp_dir.h"

TEST(ConfigKill, AKilledSaveLeavesOneWholeFile) {
  TempDir dir;
  const std::string path = dir.File("config.dat");
  Settings a{}, b{};
  a.Level = 12;
  a.Sound = 1;
  b.Level = 47;
  b.CameraView = 0;
  b.ShowReplayFPS = 1;
  ASSERT_TRUE(Config_Save(a, path));
  std::mt19937 random(4242);
  std::uniform_int_distribution<int> delay_us(200, 20000);
  for (int round = 0; round < 30; ++round) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      prctl(PR_SET_PDEATHSIG, SIGKILL);
      for (unsigned n = 0;; ++n) Config_Save(n % 2 == 0 ? b : a, path);
    }
    std::this_thread::sleep_for(std::chrono::microseconds(delay_us(random)));
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    const std::string text = Slurp(path);
    EXPECT_TRUE(text == Config_Text(a) || text == Config_Text(b)) << "round " << round << ": [" << text << "]";
  }
}
