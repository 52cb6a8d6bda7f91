// Saves what the GL frame buffer holds (the picture being drawn, before
// the swap) as a PNG file, for scripted runs, bug reports and tests.
#pragma once

#include <string>

// False, with a log line, when the file cannot be written.
bool Save_Frame_Png(const std::string& path, int width, int height);
