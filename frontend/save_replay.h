// Leaving a finished level: what the level-over keys (Enter, F5, Escape)
// ask before they change the screen, and the recording of each attempt.
//
// The score files and the replay writer are built on top of these; today a
// finished level stores nothing yet, but the rule that a top-five time
// needs a name before the level can be left already holds.
#pragma once

class Game;

// False (stay on the level-over screen) while a top-five time has no name.
bool Save_Replay(Game& game, int level);
// A new attempt begins (New Game, restart, next level): its recording starts.
void Start_Recording(Game& game);
