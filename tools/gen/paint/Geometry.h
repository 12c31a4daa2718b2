// Small 2D vector and rectangle helpers shared by the painting code.
#pragma once

#include <algorithm>
#include <cmath>

namespace paint {

constexpr float kPi = 3.14159265358979f;

struct Vec2 {
    float x = 0, y = 0;
};

inline Vec2 operator+(Vec2 a, Vec2 b) {
    return {a.x + b.x, a.y + b.y};
}
inline Vec2 operator-(Vec2 a, Vec2 b) {
    return {a.x - b.x, a.y - b.y};
}
inline Vec2 operator-(Vec2 a) {
    return {-a.x, -a.y};
}
inline Vec2 operator*(Vec2 a, float s) {
    return {a.x * s, a.y * s};
}
inline Vec2 operator*(float s, Vec2 a) {
    return {a.x * s, a.y * s};
}
inline Vec2 operator/(Vec2 a, float s) {
    return {a.x / s, a.y / s};
}
inline float dot(Vec2 a, Vec2 b) {
    return a.x * b.x + a.y * b.y;
}
inline float cross(Vec2 a, Vec2 b) {
    return a.x * b.y - a.y * b.x;
}
inline float length(Vec2 a) {
    return std::sqrt(dot(a, a));
}
inline Vec2 normalize(Vec2 a) {
    const float l = length(a);
    return l > 0 ? a / l : Vec2{0, 0};
}
inline Vec2 lerp(Vec2 a, Vec2 b, float t) {
    return a + (b - a) * t;
}
// Rotates by `radians`; with y pointing down a positive angle turns clockwise on screen.
inline Vec2 rotate(Vec2 a, float radians) {
    const float c = std::cos(radians), s = std::sin(radians);
    return {a.x * c - a.y * s, a.x * s + a.y * c};
}
// The point at `degrees` on a circle, 0 pointing right and 90 pointing down.
inline Vec2 polar(Vec2 centre, float radius, float degrees) {
    const float r = degrees * kPi / 180.0f;
    return {centre.x + radius * std::cos(r), centre.y + radius * std::sin(r)};
}

inline float clamp01(float v) {
    return std::clamp(v, 0.0f, 1.0f);
}
inline float mixf(float a, float b, float t) {
    return a + (b - a) * t;
}
inline float smoothstep(float e0, float e1, float x) {
    const float t = clamp01((x - e0) / (e1 - e0));
    return t * t * (3 - 2 * t);
}

// An axis-aligned box; empty when x1 <= x0 or y1 <= y0.
struct Rect {
    float x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    bool empty() const { return x1 <= x0 || y1 <= y0; }
    Rect expanded(float m) const { return {x0 - m, y0 - m, x1 + m, y1 + m}; }
    Rect translated(Vec2 d) const { return {x0 + d.x, y0 + d.y, x1 + d.x, y1 + d.y}; }
    float width() const { return x1 - x0; }
    float height() const { return y1 - y0; }
    Vec2 centre() const { return {(x0 + x1) / 2, (y0 + y1) / 2}; }
};

inline Rect unite(const Rect& a, const Rect& b) {
    if (a.empty()) return b;
    if (b.empty()) return a;
    return {std::min(a.x0, b.x0), std::min(a.y0, b.y0), std::max(a.x1, b.x1), std::max(a.y1, b.y1)};
}
inline Rect intersect(const Rect& a, const Rect& b) {
    return {std::max(a.x0, b.x0), std::max(a.y0, b.y0), std::min(a.x1, b.x1), std::min(a.y1, b.y1)};
}

}  // namespace paint
