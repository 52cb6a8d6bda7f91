// Base64 (RFC 4648 alphabet, '=' padding, no line breaks) for the score
// files the game uploads. Encoding only: the game never reads Base64.
#pragma once

#include <cstddef>
#include <string>

// Characters Encode writes for n bytes: 4 for every started group of 3.
constexpr size_t Base64_Length(size_t n) { return (n + 2) / 3 * 4; }

class CKorvidBase64 {
 public:
  // Writes the encoding of in[0..n) to out, which must hold Base64_Length(n)
  // characters; writes no terminator. Returns the characters written, or 0
  // with a log line when in or out is missing.
  static size_t Encode(char* out, const unsigned char* in, size_t n);
  static std::string Encode(const std::string& bytes);
};
