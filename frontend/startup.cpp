#include "frontend/startup.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <cstdlib>

#include "game/game_state.h"

std::string User_Data_Home() {
  const char* xdg = std::getenv("XDG_DATA_HOME");
  if (xdg != nullptr && xdg[0] == '/') return xdg;
  const char* home = std::getenv("HOME");
  return std::string(home != nullptr ? home : ".") + "/.local/share";
}

void Build_Folders(GameState& g, const std::string& program_folder, const std::string& data_home) {
  g.ProgramFolder = program_folder;
  g.UserFolder = data_home + "/Prismel";
  g.UserDataFolder = g.UserFolder + "/Data";
  g.ScoresFolder = g.UserFolder + "/Scores";
  g.UserLevelsFolder = g.UserFolder + "/levels";
  mkdir(data_home.c_str(), 0755);
  for (const std::string* dir : {&g.UserFolder, &g.UserDataFolder, &g.ScoresFolder, &g.UserLevelsFolder}) {
    mkdir(dir->c_str(), 0755);
  }
  g.ConfigPath = g.UserFolder + "/config.dat";
  g.ReplayPath1 = g.UserDataFolder + "/replay_1.tmp";
  g.ReplayPath2 = g.UserDataFolder + "/replay_2.tmp";
}

std::string Get_Os_Name() {
  utsname u{};
  if (uname(&u) != 0) return "Unknown";
  std::string name = std::string(u.sysname) + "_" + u.release;
  for (char& c : name) {
    if (c == ' ') c = '_';
  }
  return name;
}

void Window_Size_For_Display(int display_height, int& width, int& height) {
  height = static_cast<int>(static_cast<double>(display_height) * static_cast<double>(0.9f));
  width = static_cast<int>(height / 0.9375);
  if (width > 1280) {
    width = 1280;
    height = 1200;
  }
}

SingleInstanceLock::~SingleInstanceLock() {
  if (fd_ >= 0) close(fd_);
}

bool SingleInstanceLock::Acquire(const std::string& path) {
  fd_ = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (fd_ < 0) return true;  // no folder to lock in: nothing to compare with, run anyway
  if (flock(fd_, LOCK_EX | LOCK_NB) != 0) {
    close(fd_);
    fd_ = -1;
    return false;
  }
  return true;
}
