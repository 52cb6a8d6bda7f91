// Game scripts: timed input for the real game, for tests and for people
// reporting a bug. A script is text, one command a line, '#' starts a
// comment:
//
//   wait SECONDS            let the game run this long
//   until WHAT [SECONDS]    run until mode NAME / status NAME / idle (no fade)
//                           holds; fails after SECONDS (default 60)
//   key down KEY | key up KEY
//   press KEY               down for one frame, up the next
//   type TEXT               letters and digits, one key press each
//   move X Y                the pointer to overlay units (x, y: 0..100,
//                           y upwards, as the menu is laid out)
//   click [X Y]             the left button pressed and released, at (X, Y)
//   play FILE               play a level solution (at SECONDS fire DEGREES
//                           lines) with the arrow keys and Space
//   screenshot FILE.png     save the picture of this frame
//   expect mode NAME | status NAME | level N | paused 0/1 | SETTING N
//
// KEY is SPACE, ENTER, ESCAPE, BACKSPACE, SHIFT, LEFT, RIGHT, UP, DOWN, F1,
// F2, F5, F11, F12, a letter or a digit. Modes: QUIT STARTUP MENU GAME REPLAY;
// statuses: WAITING PLAYING COMPLETE. This module only parses; the runner
// lives with the game.
#pragma once

#include <string>
#include <vector>

enum class ScriptOp { WAIT, UNTIL, KEY_DOWN, KEY_UP, PRESS, TYPE, MOVE, CLICK, PLAY, SCREENSHOT, EXPECT };

struct ScriptCommand {
  ScriptOp op = ScriptOp::WAIT;
  int line = 0;          // in the script file, 1-based
  float seconds = 0.0f;  // WAIT; UNTIL: the time limit
  int key = 0;           // KEY_*, PRESS: virtual-key code
  float x = 0.0f, y = 0.0f;
  bool has_position = false;  // CLICK
  std::string text;      // TYPE: the text; PLAY, SCREENSHOT: the file
  std::string what;      // UNTIL, EXPECT: mode, status, idle, level, paused or a setting name
  int value = 0;         // UNTIL, EXPECT: the mode, status or number wanted
};

// False with "line N: reason" in error for the first bad line.
bool Parse_Script(const std::string& text, std::vector<ScriptCommand>& out, std::string& error);

// Virtual-key code of a key name, or 0.
int Script_Key(const std::string& name);
// "MENU" -> 2 ...; -1 for an unknown name.
int Script_Mode(const std::string& name);
int Script_Status(const std::string& name);
const char* Mode_Name(int mode);
const char* Status_Name(int status);
