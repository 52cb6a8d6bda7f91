// The game's five sound effects, each built from decaying partials and noise:
//
//   menu_change.ogg             a soft tick (menu arrows and options)
//   menu_select.ogg             a brighter two-note select
//   game_disc_brick.ogg         a knock: a disc against a brick or wall
//   game_disc_disc.ogg          a click: two discs bouncing apart
//   game_disc_disc_combine.ogg  a chime: two discs merging
//
// Each is short, mono at 44100 samples per second, peaks well below full
// scale and fades to silence, so it never clips or clicks however often the
// game repeats it.
#pragma once

#include <string>
#include <vector>

#include "synth.h"

namespace assets {

struct SoundEffect {
    std::string file;
    Samples samples;
};

std::vector<SoundEffect> Build_Sound_Effects();

}  // namespace assets
