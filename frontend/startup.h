// What the program works out before its window opens: its folders, the
// per-user folder tree, the single-instance lock, the name of the system and
// the window size.
//
// Per-user data lives under $XDG_DATA_HOME/Prismel (by default
// ~/.local/share/Prismel): config.dat there, replay work files in Data/,
// score files in Scores/.
#pragma once

#include <string>

struct GameState;

// The per-user application-data folder: $XDG_DATA_HOME, else ~/.local/share.
std::string User_Data_Home();

// Fills the folder and file names of g and creates the per-user folders,
// parent first; a folder that cannot be made is not reported here (the file
// operations that need it fail on their own).
void Build_Folders(GameState& g, const std::string& program_folder, const std::string& data_home);

// A short name of the system without blanks, such as "Linux_6.1.0-18-amd64".
std::string Get_Os_Name();

// Height 90 % of the usable display, width height / 0.9375; a window wider
// than 1280 becomes 1280 x 1200.
void Window_Size_For_Display(int display_height, int& width, int& height);

// An exclusive lock on a file in the per-user folder, held while the object
// lives: a second copy of the game cannot take it.
class SingleInstanceLock {
 public:
  ~SingleInstanceLock();
  // False when another process holds the lock.
  bool Acquire(const std::string& path);

 private:
  int fd_ = -1;
};
