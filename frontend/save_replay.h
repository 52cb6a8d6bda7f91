// Leaving a finished level: what the level-over keys (Enter, F5, Escape)
// ask before they change the screen, the recording of each attempt, and the
// upload of a new top-five time. The work itself is the ReplayManager's and
// the upload thread's; these tie them to the game.
#pragma once

#include <string>

class Game;
struct ScoreEntry;

// False (stay on the level-over screen) while a top-five time has no name.
bool Save_Replay(Game& game, int level);
// A new attempt begins (New Game, restart, next level): its recording starts.
void Start_Recording(Game& game);
// From now on every new score file is also uploaded, while the player's
// UploadHighScores option is on.
void Connect_Upload(Game& game);

// "<folder>/LLL_TIME_NAME.tmp": the copy an upload sends and then deletes.
std::string Upload_Copy_Path(const std::string& folder, int level, float time, const std::string& name);
// Copies from to a new file to, whole or not at all; false when to already
// exists or anything fails.
bool Copy_To_New_File(const std::string& from, const std::string& to);
