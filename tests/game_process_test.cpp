// The game as a process: start-up, a second copy, a missing resource, and
// ending on SIGTERM. Runs under Xvfb; every copy gets its own per-user folder.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "temp_dir.h"

namespace fs = std::filesystem;

namespace {

struct Child {
  pid_t pid = -1;
};

// Starts the game with stdout and stderr into files; env: XDG_DATA_HOME.
Child Start(const std::string& program, const std::string& data_home, const std::string& err_file,
            const std::vector<std::string>& args = {}) {
  Child c;
  c.pid = fork();
  if (c.pid == 0) {
    setenv("XDG_DATA_HOME", data_home.c_str(), 1);
    freopen(err_file.c_str(), "w", stderr);
    freopen("/dev/null", "w", stdout);
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  return c;
}

// Waits up to `seconds` for the child to end; returns its exit code, or -1.
int Wait(Child& c, double seconds) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  while (std::chrono::steady_clock::now() < end) {
    int status = 0;
    if (waitpid(c.pid, &status, WNOHANG) == c.pid) {
      c.pid = -1;
      return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return -1;
}

bool Wait_For_Text(const std::string& file, const std::string& text, double seconds) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  while (std::chrono::steady_clock::now() < end) {
    if (Slurp(file).find(text) != std::string::npos) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  return false;
}

}  // namespace

TEST(GameProcess, StartsRefusesASecondCopyAndEndsOnSigterm) {
  TempDir dir;
  const std::string log = dir.File("prismel.rtf");
  Child first = Start(PRISMEL_GAME, dir.path(), dir.File("first.err"), {"--log", log});
  ASSERT_TRUE(Wait_For_Text(log, "Game resources initialized [", 60)) << Slurp(dir.File("first.err"));
  EXPECT_TRUE(fs::is_directory(dir.File("Prismel/Scores")));
  EXPECT_TRUE(fs::is_directory(dir.File("Prismel/Data")));

  Child second = Start(PRISMEL_GAME, dir.path(), dir.File("second.err"));
  EXPECT_EQ(Wait(second, 30), 1);
  EXPECT_NE(Slurp(dir.File("second.err")).find("An instance is already running."), std::string::npos);

  ASSERT_EQ(kill(first.pid, SIGTERM), 0);
  EXPECT_EQ(Wait(first, 30), 0) << "SIGTERM ends the game normally";
}

TEST(GameProcess, MissingResourcesStopTheStartWithTheirMessage) {
  TempDir dir;
  const std::string build = PRISMEL_BUILD_DIR;
  fs::create_directories(dir.File("game/data"));
  fs::copy_file(PRISMEL_GAME, dir.File("game/prismel"));
  fs::permissions(dir.File("game/prismel"), fs::perms::owner_all);
  fs::copy_file(build + "/data/models.pak", dir.File("game/data/models.pak"));
  fs::copy_file(build + "/data/audio.pak", dir.File("game/data/audio.pak"));
  Child c = Start(dir.File("game/prismel"), dir.path(), dir.File("fonts.err"));
  EXPECT_EQ(Wait(c, 60), 1);
  EXPECT_NE(Slurp(dir.File("fonts.err")).find("Could not initialize game resources [fonts]."), std::string::npos);

  fs::copy_file(build + "/data/textures.pak", dir.File("game/data/textures.pak"));
  fs::remove(dir.File("game/data/models.pak"));
  c = Start(dir.File("game/prismel"), dir.path(), dir.File("models.err"));
  EXPECT_EQ(Wait(c, 60), 1);
  EXPECT_NE(Slurp(dir.File("models.err")).find("Could not initialize game resources [models]."), std::string::npos);
}
