// Opening the game's page of the web service in the player's browser.
//
// The browser is started through a desktop opener program and left to run
// on its own: the game never waits for it, never reads what it prints, and
// carries on whether or not a browser ever appears. A missing opener is a
// logged failure, not an error shown to the player.
#pragma once

#include <string>

// The web service the game talks to unless told otherwise.
inline constexpr char kDefaultServiceAddress[] = "https://quillmoor.example";

// The service address with "/prismel/" appended, without doubling a final '/'.
std::string Game_Page_Url(const std::string& service);

// Starts opener (looked up in PATH unless it holds a '/') with url as its
// one argument and returns at once; the child is reaped in the background
// so it never lingers as a zombie. False, with a level-1 log line naming the
// opener, when the program cannot be started. Never throws.
bool Open_Web_Page(const std::string& url, const std::string& opener = "xdg-open");
