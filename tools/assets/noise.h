// Deterministic noise for surface grain: an integer hash and smooth value
// noise that tiles with a chosen period, so textures wrap without seams.
//
// Nothing here is random in the library sense: the same seed and point give
// the same value on every run and machine (only integer arithmetic and plain
// float operations are used).
#pragma once

#include <cstdint>

namespace assets {

uint32_t Hash(uint32_t x, uint32_t y, uint32_t seed);
// Hash mapped to 0..1.
float Hash01(uint32_t x, uint32_t y, uint32_t seed);

// Smooth value noise, 0..1, on a lattice with `period` cells per repeat:
// Value_Noise(x + period, y) == Value_Noise(x, y).
float Value_Noise(float x, float y, int period, uint32_t seed);

// Several octaves of value noise, each twice the frequency and half the
// amplitude of the last, normalised to 0..1; tiles with `period` (a power of two).
float Fractal_Noise(float x, float y, int period, int octaves, uint32_t seed);

}  // namespace assets
