// The web service's test of an uploaded score file: is this the whole,
// well-formed record of a run the game could have played, belonging to the
// level, player and time it was uploaded as?
//
// It reads the text as the game writes it (one line, single blanks), then
// plays it with the ReplayPlayer on a freshly loaded level, so every index
// and colour code is judged against the real field. It also holds the file
// to the game's own limits: one shot per second, turning at 50 degrees per
// second.
//
// It must not touch the network, write any file or keep anything between
// calls; the only state it changes is the scratch GameState it is given.
// It cannot tell a played run from a carefully forged one that obeys the
// rules; it only refuses what the game could never have written.
#pragma once

#include <string>
#include <vector>

struct GameState;

// Gets a GameState ready for Check_Score_File: the program folder that holds
// data/models.pak, and the play-field templates loaded from it. False when
// the models cannot be loaded.
bool Prepare_Check_State(GameState& scratch, const std::string& program_folder);

// Every problem found in text as the score file of `level` (1..60) for
// player `name` whose time the game printed as `time_text` ("%f"); empty
// when the file is good. scratch must have been through Prepare_Check_State;
// it holds the replayed field afterwards.
std::vector<std::string> Check_Score_File(const std::string& text, int level, const std::string& name,
                                          const std::string& time_text, GameState& scratch);
