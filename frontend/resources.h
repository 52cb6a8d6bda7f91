// Everything loaded once at start-up: the mixing table, the five sounds, the
// two fonts, the textures of the fixed list (index i is the i-th texture the
// context makes) and the template meshes. A resource that will not load ends
// the game with a message naming its group.
#pragma once

#include <string>

class Game;

// Returns "" when everything loaded, else the message for the player, such
// as "Could not initialize game resources [textures].".
std::string Init_Resources(Game& game);
