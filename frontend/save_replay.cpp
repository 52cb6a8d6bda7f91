#include "frontend/save_replay.h"

#include "frontend/game.h"

bool Save_Replay(Game& game, int level) { return game.replays.Save_Replay(game.g.Scores, level); }

void Start_Recording(Game& game) { game.replays.Open_Recording(game.g.Shooter.NextColor); }
