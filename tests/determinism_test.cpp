// A scripted run of a built-in level must end in exactly the same state on
// every machine and every build: the rules of play use no clock but the
// fixed frame time, and the core is built without floating-point
// contraction. The hash covers every disc's position and velocity, bit for bit.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "game/game_state.h"
#include "level/load_level.h"
#include "tools/sim/autoplay.h"

namespace {

uint64_t Field_Hash(const GameState& g) {
  uint64_t h = 1469598103934665603ull;  // FNV-1a
  auto mix = [&h](const void* p, size_t n) {
    const unsigned char* b = static_cast<const unsigned char*>(p);
    for (size_t i = 0; i < n; ++i) {
      h ^= b[i];
      h *= 1099511628211ull;
    }
  };
  mix(&g.DiscCount, sizeof g.DiscCount);
  for (int i = 0; i < g.DiscCount; ++i) {
    const Disc& d = g.Discs[static_cast<size_t>(i)];
    const float v[4] = {d.position.x, d.position.y, d.velocity.x, d.velocity.y};
    mix(v, sizeof v);
    mix(&d.IsRing, sizeof d.IsRing);
  }
  mix(&g.LevelTime, sizeof g.LevelTime);
  return h;
}

}  // namespace

TEST(Determinism, ScriptedRunOfLevelThirteenEndsInAKnownState) {
  auto g = std::make_unique<GameState>();
  g->ProgramFolder = PRISMEL_BUILD_DIR;
  ASSERT_TRUE(Load_Play_Field_Templates(*g));
  Load_Level(*g, 13);
  // White discs bounce around the yellow disc and rings for half a minute.
  const std::vector<Shot> shots = {{0.0f, 70}, {1.5f, 115}, {3.0f, 33}, {4.5f, 150}, {6.0f, 88}, {7.5f, 20}};
  g->LevelStatus = LEVEL_PLAYING;
  g->Paused = false;
  Play_Shots(*g, shots, 30.0f);
  EXPECT_EQ(g->DiscCount, 5);
  EXPECT_EQ(Field_Hash(*g), 6489542398090765155ull) << "hash " << Field_Hash(*g);

  // The same run again, in a second game, gives the same bits.
  auto again = std::make_unique<GameState>();
  again->ProgramFolder = PRISMEL_BUILD_DIR;
  ASSERT_TRUE(Load_Play_Field_Templates(*again));
  Load_Level(*again, 13);
  Play_Shots(*again, shots, 30.0f);
  EXPECT_EQ(Field_Hash(*again), Field_Hash(*g));
}
