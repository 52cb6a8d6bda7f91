// Sound-synthesis kit.
#include "synth.h"

#include <algorithm>
#include <cmath>

namespace assets {

namespace {
constexpr double kTwoPi = 6.283185307179586;

size_t Index_Of(float seconds) { return static_cast<size_t>(std::max(0.0f, seconds) * kSampleRate); }

// Envelope value t seconds after the start.
float Envelope(float t, float attack, float decay) {
    const float rise = attack > 0.0f ? std::min(1.0f, t / attack) : 1.0f;
    return rise * std::exp(-t / decay);
}

// Length after which a decay has fallen below -60 dB.
float Tail(float decay) { return decay * 6.9f; }

void Ensure(Samples& out, size_t n) {
    if (out.size() < n) out.resize(n, 0.0f);
}
}  // namespace

float Noise::Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<float>(state_ / 2147483648.0 - 1.0);
}

Samples Silence(float seconds) { return Samples(Index_Of(seconds), 0.0f); }

void Add_Partial(Samples& out, const Partial& p) {
    const size_t first = Index_Of(p.start);
    const size_t count = Index_Of(p.attack + Tail(p.decay));
    Ensure(out, first + count);
    double phase = 0.0;
    for (size_t i = 0; i < count; ++i) {
        const float t = static_cast<float>(i) / kSampleRate;
        double f = p.frequency;
        if (p.end_frequency > 0.0f) f = p.end_frequency + (p.frequency - p.end_frequency) * std::exp(-t / p.glide);
        out[first + i] += p.amplitude * Envelope(t, p.attack, p.decay) * static_cast<float>(std::sin(phase));
        phase += kTwoPi * f / kSampleRate;
    }
}

void Add_Burst(Samples& out, const Burst& b, Noise& noise) {
    const size_t first = Index_Of(b.start);
    const size_t count = Index_Of(b.attack + Tail(b.decay));
    Ensure(out, first + count);
    // One-pole coefficients: y += a (x - y).
    const float low_a = b.lowpass > 0 ? 1.0f - std::exp(static_cast<float>(-kTwoPi) * b.lowpass / kSampleRate) : 1.0f;
    const float high_a = b.highpass > 0 ? 1.0f - std::exp(static_cast<float>(-kTwoPi) * b.highpass / kSampleRate) : 0.0f;
    float low = 0.0f, high_state = 0.0f;
    for (size_t i = 0; i < count; ++i) {
        const float t = static_cast<float>(i) / kSampleRate;
        low += low_a * (noise.Next() - low);
        high_state += high_a * (low - high_state);
        const float filtered = low - high_state;
        out[first + i] += b.amplitude * Envelope(t, b.attack, b.decay) * filtered;
    }
}

void Band_Pass(Samples& s, float centre, float q) {
    const double w = kTwoPi * centre / kSampleRate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double a0 = 1.0 + alpha;
    const double b0 = alpha / a0, b2 = -alpha / a0, a1 = -2.0 * std::cos(w) / a0, a2 = (1.0 - alpha) / a0;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    for (float& v : s) {
        const double y = b0 * v + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1;
        x1 = v;
        y2 = y1;
        y1 = y;
        v = static_cast<float>(y);
    }
}

float Peak(const Samples& s) {
    float peak = 0.0f;
    for (float v : s) peak = std::max(peak, std::fabs(v));
    return peak;
}

void Finish(Samples& s, float peak, float fade) {
    const float current = Peak(s);
    if (current <= 0.0f) return;
    for (float& v : s) v *= peak / current;
    // Below -50 dB of the peak the ring-out is lost under any game noise.
    const float audible = peak * 0.00316f;
    while (!s.empty() && std::fabs(s.back()) < audible) s.pop_back();
    const size_t n = std::min(s.size(), Index_Of(fade));
    for (size_t i = 0; i < n; ++i) {
        const float g = static_cast<float>(i) / static_cast<float>(n);  // 0 at the very end
        s[s.size() - 1 - i] *= g * g;
    }
}

}  // namespace assets
