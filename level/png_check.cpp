#include "level/png_check.h"

#include <cstdint>
#include <cstring>

namespace {

constexpr unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};

uint32_t Big_Endian(const unsigned char* p) {
  return static_cast<uint32_t>(p[0]) << 24 | static_cast<uint32_t>(p[1]) << 16 | static_cast<uint32_t>(p[2]) << 8 |
         static_cast<uint32_t>(p[3]);
}

}  // namespace

bool Png_Structure_Plausible(const std::string& bytes, std::string& why) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const size_t n = bytes.size();
  if (n < sizeof kSignature || std::memcmp(p, kSignature, sizeof kSignature) != 0) {
    why = "no PNG signature";
    return false;
  }
  size_t at = sizeof kSignature;
  bool first = true;
  while (at < n) {
    if (n - at < 12) {
      why = "a chunk cut short";
      return false;
    }
    const uint64_t length = Big_Endian(p + at);
    const char* type = reinterpret_cast<const char*>(p + at + 4);
    if (length > n - at - 12) {
      why = "a chunk [" + std::string(type, 4) + "] longer than the file";
      return false;
    }
    if (first) {
      if (std::memcmp(type, "IHDR", 4) != 0 || length < 8) {
        why = "no picture header first";
        return false;
      }
      const uint32_t w = Big_Endian(p + at + 8), h = Big_Endian(p + at + 12);
      if (w < 1 || h < 1 || w > kMaxPictureSide || h > kMaxPictureSide) {
        why = "a picture of " + std::to_string(w) + " x " + std::to_string(h) + " pixels (at most 4096 x 4096)";
        return false;
      }
      first = false;
    }
    if (std::memcmp(type, "IEND", 4) == 0) return true;
    at += static_cast<size_t>(length) + 12;
  }
  why = "no end chunk";
  return false;
}
