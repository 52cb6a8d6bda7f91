// Small sound-synthesis kit for the game's effects: decaying partials, noise
// bursts, simple filters, mixing and level control, on mono float samples at
// 44100 samples per second.
//
// All noise comes from a seeded generator held by the caller, so every sound
// is the same on every build. Nothing here knows which effect it is making.
#pragma once

#include <cstdint>
#include <vector>

namespace assets {

constexpr int kSampleRate = 44100;  // samples per second

using Samples = std::vector<float>;

// Deterministic white-noise source (xorshift32), values -1..1.
class Noise {
public:
    explicit Noise(uint32_t seed) : state_(seed ? seed : 1u) {}
    float Next();

private:
    uint32_t state_;
};

Samples Silence(float seconds);

// A sine partial starting at `start` seconds: frequency in hertz (gliding
// exponentially from `frequency` to `end_frequency` with time constant `glide`
// seconds when they differ), amplitude 0..1, a linear attack of `attack`
// seconds and an exponential decay with time constant `decay` seconds.
struct Partial {
    float start = 0.0f;
    float frequency = 440.0f;
    float amplitude = 1.0f;
    float attack = 0.002f;
    float decay = 0.1f;
    float end_frequency = 0.0f;  // 0: no glide
    float glide = 0.05f;
};
void Add_Partial(Samples& out, const Partial& p);

// A noise burst: attack and decay as above, optionally band-limited by a
// one-pole low-pass (cut-off hertz, 0: none) and high-pass (0: none).
struct Burst {
    float start = 0.0f;
    float amplitude = 0.5f;
    float attack = 0.0005f;
    float decay = 0.01f;
    float lowpass = 0.0f;
    float highpass = 0.0f;
};
void Add_Burst(Samples& out, const Burst& b, Noise& noise);

// Two-pole resonant band-pass (constant peak gain) at `centre` hertz with the
// given quality factor, in place.
void Band_Pass(Samples& s, float centre, float q);

// Scales so the largest magnitude is `peak`, cuts the ring-out where it
// falls below -50 dB of the peak, and fades the last `fade` seconds to zero.
void Finish(Samples& s, float peak, float fade);

float Peak(const Samples& s);

}  // namespace assets
