// What is laid over the play-field: the aim and clock read-outs on the
// field, the boxed messages for a waiting, paused, lost or complete level
// (with the score panel and name entry), and the tutorial text. Drawing
// only: the name is typed in the play screen's update.
#pragma once

struct GameState;
struct Canvas;

void Draw_Readouts(const GameState& g, Canvas& c);
// A replay shows its clock and "Replay" where play shows the clock and the
// aim, and over the field only the paused panel.
void Draw_Replay_Readouts(const GameState& g, Canvas& c);
void Draw_Replay_Overlays(const GameState& g, Canvas& c);
void Draw_Overlays(const GameState& g, Canvas& c);
void Draw_Score_Screen(const GameState& g, Canvas& c);
// The level-complete panel (score list and name entry) is up.
bool Complete_Panel_Shown(const GameState& g);
