// prismel-sim bench: how long one Game_Step takes on a full field, and how
// long the whole level verification takes.
#pragma once

#include <string>

int Run_Bench(const std::string& program_folder, const std::string& solutions_dir);
