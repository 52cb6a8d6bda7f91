// Leaving a finished level: what the level-over keys (Enter, F5, Escape)
// ask before they change the screen, and the recording of each attempt.
// The work itself is the ReplayManager's; these tie it to the game.
#pragma once

class Game;

// False (stay on the level-over screen) while a top-five time has no name.
bool Save_Replay(Game& game, int level);
// A new attempt begins (New Game, restart, next level): its recording starts.
void Start_Recording(Game& game);
