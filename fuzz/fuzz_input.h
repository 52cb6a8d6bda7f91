// What every fuzz target shares: the input as text, and a game state whose
// play-field templates are loaded once (from the build's data/models.pak),
// as a level load needs them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "game/game_state.h"
#include "level/load_level.h"

inline std::string Input_Text(const uint8_t* data, size_t size) {
  return std::string(reinterpret_cast<const char*>(data), size);
}

inline GameState& Fuzz_Field() {
  static std::unique_ptr<GameState> g = [] {
    auto s = std::make_unique<GameState>();
    s->ProgramFolder = PRISMEL_BUILD_DIR;
    if (!Load_Play_Field_Templates(*s)) __builtin_trap();  // no models: the build is incomplete
    return s;
  }();
  return *g;
}
