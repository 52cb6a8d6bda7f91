// Message boxes for the few things a player must be told (a second copy
// running, a missing resource, no audio). The text always goes to standard
// error too, because without a display the box cannot open.
#pragma once

#include <string>

enum class BoxIcon { Information, Warning, Error };

// wait: the box is modal and the call returns when it is closed. Otherwise
// the box is shown by a child process and the call returns at once, so a
// program that is about to end (or to go on) is not held by the box.
// PRISMEL_NO_MESSAGE_BOXES in the environment keeps every box closed
// (tests, CI); the text still goes to standard error.
void Show_Message_Box(const std::string& title, const std::string& text, BoxIcon icon, bool wait);
