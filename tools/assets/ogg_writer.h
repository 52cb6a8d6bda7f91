// Ogg Vorbis encoding of a finished mono sound with libvorbisenc.
//
// The stream serial number is fixed, and the encoder is fed the same samples
// in the same blocks each time, so a sound encodes to the same bytes on every
// build. This module does not make or change the samples.
#pragma once

#include <string>

#include "synth.h"

namespace assets {

// Writes samples (mono, 44100 per second, -1..1) as an Ogg Vorbis file at
// variable bit rate quality 0..1. Returns false with a message on standard
// error when encoding or writing fails.
bool Write_Ogg_Vorbis(const Samples& samples, const std::string& path, float quality = 0.6f);

}  // namespace assets
