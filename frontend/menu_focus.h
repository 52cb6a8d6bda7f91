// The menu without a mouse: the arrow keys (and a game controller's d-pad
// and stick, which write the same keys) move a highlight from item to item,
// Space or Enter (the controller's A) selects it. It works by putting the
// pointer on the item and clicking there, so every item behaves exactly as
// under the mouse, and the mouse takes over again when it moves.
#pragma once

#include <vector>

class Game;
struct GameState;

struct MenuSpot {
  float x, y;  // overlay units: the item's middle
};

// The items in the order the highlight visits them: the level arrows, the
// filled score rows, the options, then New Game, Continue (when offered),
// Website and Exit.
std::vector<MenuSpot> Menu_Spots(const GameState& g);

// Once a menu frame, after the pointer has been read: moves the highlight
// or clicks the highlighted item when a key asks for it (each key press
// counts once).
void Menu_Keys(Game& game);
