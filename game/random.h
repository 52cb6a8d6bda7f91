// The game's pseudo-random numbers: uniform integers 0..32767, seeded from
// the calendar time at start-up. Held in GameState (not a hidden global), so
// a test or a solver seeds its own and runs repeat.
#pragma once

#include <cstdint>

class RandomGenerator {
 public:
  static constexpr int kMax = 32767;
  void Seed(uint32_t seed) { state_ = seed; }
  int Next() {
    // A 32-bit linear congruential step; the high bits are the best mixed.
    state_ = state_ * 1103515245u + 12345u;
    return static_cast<int>((state_ >> 16) & 0x7FFFu);
  }

 private:
  uint32_t state_ = 1;
};
