// The shared colours of the generated pictures, so that the start picture,
// the footer and the medals read as one set: the night-blue ground of the
// menu, and a spectrum made of the game's own disc colours in prism order.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>

#include "image.h"

namespace assets {

inline constexpr Color kNightBlue{0.05f, 0.06f, 0.17f, 1};
inline constexpr Color kDeepIndigo{0.11f, 0.10f, 0.28f, 1};

// Red, orange, yellow, green, blue, purple: the disc colours of the game,
// slightly lifted so that they glow on the dark ground.
inline constexpr std::array<Color, 6> kSpectrum{{{1.0f, 0.22f, 0.22f, 1},
                                                 {1.0f, 0.58f, 0.12f, 1},
                                                 {1.0f, 0.95f, 0.25f, 1},
                                                 {0.25f, 0.95f, 0.35f, 1},
                                                 {0.20f, 0.58f, 1.0f, 1},
                                                 {0.78f, 0.42f, 0.95f, 1}}};

// Smooth spectrum colour for t in 0 (red) .. 1 (purple).
inline Color Spectrum(float t) {
    const float f = std::clamp(t, 0.0f, 1.0f) * (kSpectrum.size() - 1);
    const size_t i = std::min(static_cast<size_t>(f), kSpectrum.size() - 2);
    return Mix(kSpectrum[i], kSpectrum[i + 1], f - static_cast<float>(i));
}

}  // namespace assets
