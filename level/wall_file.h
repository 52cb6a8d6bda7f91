// Wall files: the fixed wall pieces of the play-field, each a copy of the
// solid-brick mesh placed and turned in the play plane.
//
// Format (white-space separated): one word, then records "index x y angle"
// each followed by one word. A loose "wall_NNN.dat" in the program folder is
// taken first, then the entry of that name in data/models.pak. Pieces are
// appended to Walls (the level loader empties it beforehand); past 100 they
// are ignored, and a file that ends or turns to words mid-record keeps the
// pieces read so far.
#pragma once

#include <string_view>

struct GameState;

bool Parse_Wall(GameState& g, int number);
// The same on a text already in memory.
void Parse_Wall_Text(GameState& g, std::string_view text);
