// Signed distance functions of simple shapes.
#include "shapes.h"

#include <algorithm>
#include <cmath>

namespace assets {

float Dot(V2 a, V2 b) { return a.x * b.x + a.y * b.y; }
float Length(V2 a) { return std::sqrt(Dot(a, a)); }

float Smoothstep(float edge0, float edge1, float x) {
    const float t = std::clamp((x - edge0) / (edge1 - edge0), 0.0f, 1.0f);
    return t * t * (3.0f - 2.0f * t);
}

float Sd_Circle(V2 p, V2 centre, float radius) { return Length(p - centre) - radius; }

float Sd_Box(V2 p, V2 centre, V2 half, float radius) {
    const V2 d = {std::fabs(p.x - centre.x) - half.x + radius, std::fabs(p.y - centre.y) - half.y + radius};
    const V2 outside = {std::max(d.x, 0.0f), std::max(d.y, 0.0f)};
    return Length(outside) + std::min(std::max(d.x, d.y), 0.0f) - radius;
}

float Sd_Segment(V2 p, V2 a, V2 b) {
    const V2 pa = p - a, ba = b - a;
    const float h = std::clamp(Dot(pa, ba) / Dot(ba, ba), 0.0f, 1.0f);
    return Length(pa - ba * h);
}

float Sd_Polygon(V2 p, const std::vector<V2>& v) {
    float d = Dot(p - v[0], p - v[0]);
    bool inside = false;
    for (size_t i = 0, j = v.size() - 1; i < v.size(); j = i, ++i) {
        const V2 e = v[j] - v[i], w = p - v[i];
        const V2 b = w - e * std::clamp(Dot(w, e) / Dot(e, e), 0.0f, 1.0f);
        d = std::min(d, Dot(b, b));
        // Even-odd crossing test of a ray towards +x.
        if ((v[i].y > p.y) != (v[j].y > p.y) && p.x < (v[j].x - v[i].x) * (p.y - v[i].y) / (v[j].y - v[i].y) + v[i].x)
            inside = !inside;
    }
    return inside ? -std::sqrt(d) : std::sqrt(d);
}

std::vector<V2> Regular_Polygon(V2 centre, float radius, int corners, float turn_degrees) {
    std::vector<V2> out;
    for (int i = 0; i < corners; ++i) {
        const float a = (turn_degrees / 180.0f + 2.0f * i / corners) * kPi;
        out.push_back({centre.x + radius * std::sin(a), centre.y - radius * std::cos(a)});
    }
    return out;
}

std::vector<V2> Star(V2 centre, float outer, float inner, int points) {
    std::vector<V2> out;
    for (int i = 0; i < points * 2; ++i) {
        const float a = static_cast<float>(i) / points * kPi;
        const float r = (i % 2 == 0) ? outer : inner;
        out.push_back({centre.x + r * std::sin(a), centre.y - r * std::cos(a)});
    }
    return out;
}

}  // namespace assets
