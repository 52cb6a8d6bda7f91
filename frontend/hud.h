// What is laid over the play-field: the aim and clock read-outs on the
// field, the boxed messages for a waiting, paused, lost or complete level
// (with the score panel and name entry), and the tutorial text.
#pragma once

class Game;

void Draw_Readouts(Game& game);
void Draw_Overlays(Game& game);
void Draw_Score_Screen(Game& game);
