// Where the running program lives, and the folder that holds its data/
// (the archives and optional level and wall files). The game and
// prismel-sim both read their data through it.
#pragma once

#include <string>

std::string Executable_Folder();

// The folder whose data/ the game reads, first that has data/models.pak:
//   chosen   named by the player (--data DIR or PRISMEL_DATA): DIR itself
//            when it holds data/, or the folder above when DIR is data/;
//   exe      the build's layout, data/ beside the program;
//   exe/../share/prismel   the installed layout (bin/ and share/ side by side).
// With none of them, chosen (when given) or exe: the resource check then
// says what is missing.
std::string Find_Data_Folder(const std::string& exe, const std::string& chosen);
