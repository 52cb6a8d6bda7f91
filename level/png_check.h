// A look at a PNG file's structure before any decoder sees it: the picture
// loader hands libpng only files whose chunks all fit in the bytes there
// are and whose header asks for at most 4096 x 4096 pixels. libpng would
// otherwise size its buffers from what a file claims (a chunk "of 2 GB" in
// a 41-byte file, a picture of a million by a million pixels).
//
// It reads bytes already in memory and decodes nothing.
#pragma once

#include <string>

inline constexpr unsigned kMaxPictureSide = 4096;  // pixels

// True when bytes look like a PNG the game may decode; else false with the
// reason in why.
bool Png_Structure_Plausible(const std::string& bytes, std::string& why);
