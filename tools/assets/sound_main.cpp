// prismel_sound_gen: synthesises the game's sound effects and writes them as
// Ogg Vorbis files into one folder.
//
//   prismel_sound_gen <out folder>
//
// Exit code 0 on success, 1 on any failure (with a message on standard error).
#include <cstdio>
#include <string>

#include "ogg_writer.h"
#include "sounds.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <out folder>\n", argv[0]);
        return 1;
    }
    bool ok = true;
    for (const assets::SoundEffect& effect : assets::Build_Sound_Effects())
        ok = assets::Write_Ogg_Vorbis(effect.samples, std::string(argv[1]) + "/" + effect.file) && ok;
    return ok ? 0 : 1;
}
