// The menu (MODE_MENU): one flat screen over a small live preview of the
// current level. Four buttons along the bottom (New Game, Continue,
// Website, Exit), the level panel with its arrows, the five best times of
// the level, the options, the goal text and the medal summary. Mouse
// driven: the update tests the pointer against the items and acts on a
// click; the draw shows the same items, highlighted where the pointer is.
#pragma once

struct GameState;
struct FrontState;
struct Canvas;
class Game;

// The fade into the menu has reached black: end the tutorial, load the
// level's score table, and reload the level unless it is a level in
// progress that can still be finished.
void Menu_Arrive(Game& game);
void Menu_Update(Game& game);
void Menu_Draw(const GameState& g, const FrontState& f, Canvas& c);

// Continue is offered only for a level in progress that can still finish.
bool Continue_Offered(const GameState& g);
