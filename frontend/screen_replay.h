// The replay screen (MODE_REPLAY): a score file played back over the play
// field. Playback itself comes with the replay reader; until then arriving
// here shows the level the score belongs to and fades straight back to the
// menu, so a click on a score row never leaves the player on a dark screen.
#pragma once

struct GameState;
struct Canvas;
class Game;

void Replay_Arrive(Game& game);
void Replay_Update(Game& game);
void Replay_Draw(const GameState& g, Canvas& c);
