// Where the running program lives: the folder that holds data/. The game
// and prismel-sim both read their data from beside themselves.
#pragma once

#include <string>

std::string Executable_Folder();
