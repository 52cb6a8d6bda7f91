// Signed distance functions of the simple shapes the pictures are built from,
// and the bevel lighting that gives them depth.
//
// Every function answers "how far is point p from the edge" in the units of
// its arguments (pixels in practice), negative inside. They are pure and keep
// no state; combining them (min for union, max for intersection) is left to
// the caller.
#pragma once

#include <vector>

namespace assets {

struct V2 {
    float x = 0, y = 0;
};

inline V2 operator+(V2 a, V2 b) { return {a.x + b.x, a.y + b.y}; }
inline V2 operator-(V2 a, V2 b) { return {a.x - b.x, a.y - b.y}; }
inline V2 operator*(V2 a, float s) { return {a.x * s, a.y * s}; }
float Dot(V2 a, V2 b);
float Length(V2 a);

constexpr float kPi = 3.14159265f;

float Smoothstep(float edge0, float edge1, float x);

float Sd_Circle(V2 p, V2 centre, float radius);
// Axis-aligned box with half sizes, corners rounded by radius.
float Sd_Box(V2 p, V2 centre, V2 half, float radius = 0.0f);
float Sd_Segment(V2 p, V2 a, V2 b);
// Any simple polygon (either winding).
float Sd_Polygon(V2 p, const std::vector<V2>& corners);

// Corners of a regular polygon or a star, first corner straight up (y down
// is the picture's convention, so "up" is -y).
std::vector<V2> Regular_Polygon(V2 centre, float radius, int corners, float turn_degrees = 0.0f);
std::vector<V2> Star(V2 centre, float outer, float inner, int points);

// Brightness factor (about 0.55..1.45) of a bevelled surface at p: the surface
// rises over `width` from the shape's edge, and a light from the upper left
// catches the rising slope. distance is the shape's signed distance function.
template <typename F>
float Bevel_Light(F distance, V2 p, float width, float strength = 1.0f) {
    auto height = [&](V2 q) { return Smoothstep(0.0f, width, -distance(q.x, q.y)); };
    const float e = 0.75f;
    const float gx = (height({p.x + e, p.y}) - height({p.x - e, p.y})) / (2 * e);
    const float gy = (height({p.x, p.y + e}) - height({p.x, p.y - e})) / (2 * e);
    // The surface normal is (-gx, -gy, 1); facing the light at the upper
    // left (-x, -y, y pointing down the picture) brightens.
    const float lit = (gx + gy) * 0.7071f * width;
    float f = 1.0f + 0.45f * strength * lit;
    return f < 0.3f ? 0.3f : (f > 1.8f ? 1.8f : f);
}

}  // namespace assets
