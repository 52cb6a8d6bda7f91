// Message boxes for the few things a player must be told (a second copy
// running, a missing resource, no audio). The text always goes to standard
// error too, because without a display the box cannot open.
#pragma once

#include <string>

enum class BoxIcon { Information, Warning, Error };

void Show_Message_Box(const std::string& title, const std::string& text, BoxIcon icon);
