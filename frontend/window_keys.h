// What the game does about its window whatever the screen: F11 switches
// fullscreen, F12 saves a screenshot (and a short note says where), and a
// close request from the desktop goes through the same quit fade as Exit.
// The platform only reports keys and requests; the decisions are here.
#pragma once

#include <string>

class Game;
struct FrontState;
struct Canvas;

// After the window's messages, before the screen's step.
void Handle_Window_Keys(Game& game);
// Before the swap: the screenshot asked for this frame, of this frame.
void Take_Due_Screenshot(Game& game);
// Over everything: the note about the last screenshot, while it lasts.
void Draw_Window_Note(const FrontState& f, Canvas& c);

// Where F12 puts its pictures: $XDG_PICTURES_DIR/Prismel (the variable, or
// the user-dirs.dirs file of $XDG_CONFIG_HOME, default ~/.config), else
// user_folder/Screenshots.
std::string Screenshot_Folder(const std::string& user_folder);
