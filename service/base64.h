// Base64 decoding (RFC 4648, standard alphabet, '=' padding) of the score
// files the game uploads.
//
// Strict on purpose: the game's encoder writes one canonical form, so
// anything else (line breaks, URL-safe letters, missing padding, stray
// bits in the last group) is a broken upload, not a dialect to guess at.
// It must not form-decode ('+' is a letter of the alphabet here).
#pragma once

#include <string>
#include <string_view>

// False, leaving out unspecified, when in is not canonical Base64 or is empty.
bool Base64_Decode(std::string_view in, std::string& out);
