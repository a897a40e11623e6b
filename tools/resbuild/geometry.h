#pragma once
#include <algorithm>
#include <cmath>

namespace resbuild {

constexpr float kPi = 3.14159265358979f;

struct Vec2 {
    float x = 0, y = 0;
};
inline Vec2 operator-(Vec2 a, Vec2 b) { return {a.x - b.x, a.y - b.y}; }
inline Vec2 operator+(Vec2 a, Vec2 b) { return {a.x + b.x, a.y + b.y}; }
inline Vec2 operator*(Vec2 a, float s) { return {a.x * s, a.y * s}; }
inline float dot(Vec2 a, Vec2 b) { return a.x * b.x + a.y * b.y; }
inline float length(Vec2 a) { return std::sqrt(dot(a, a)); }
// Turns p clockwise on the screen (y grows downward) by the angle.
inline Vec2 rotated(Vec2 p, float angle) {
    float c = std::cos(angle), s = std::sin(angle);
    return {p.x * c - p.y * s, p.x * s + p.y * c};
}

inline float smoothstep(float e0, float e1, float x) {
    float t = std::clamp((x - e0) / (e1 - e0), 0.0f, 1.0f);
    return t * t * (3 - 2 * t);
}
inline float mixf(float a, float b, float t) { return a + (b - a) * t; }

// Signed distances: negative inside.
inline float sdCircle(Vec2 p, float r) { return length(p) - r; }
inline float sdRoundBox(Vec2 p, Vec2 half, float radius) {
    Vec2 q{std::fabs(p.x) - half.x + radius, std::fabs(p.y) - half.y + radius};
    Vec2 outside{std::max(q.x, 0.0f), std::max(q.y, 0.0f)};
    return length(outside) + std::min(std::max(q.x, q.y), 0.0f) - radius;
}
inline float sdSegment(Vec2 p, Vec2 a, Vec2 b, float r) {
    Vec2 pa = p - a, ba = b - a;
    float h = std::clamp(dot(pa, ba) / dot(ba, ba), 0.0f, 1.0f);
    return length(pa - ba * h) - r;
}
// An equilateral triangle with its tip up and circumradius r, corners rounded.
inline float sdTriangle(Vec2 p, float r, float round) {
    const float k = std::sqrt(3.0f);
    float side = (r - round) * k;
    p.x = std::fabs(p.x) - side * 0.5f;
    p.y = -p.y + side * 0.5f / k;
    if (p.x + k * p.y > 0) p = Vec2{p.x - k * p.y, -k * p.x - p.y} * 0.5f;
    p.x -= std::clamp(p.x, -side, 0.0f);
    return -length(p) * (p.y < 0 ? -1.0f : 1.0f) - round;
}
// A five-armed star with one arm up: outer radius r, inner radius ri.
inline float sdStar5(Vec2 p, float r, float ri) {
    float angle = std::atan2(p.x, -p.y);
    float sector = 2 * kPi / 5;
    float a = std::fmod(std::fabs(angle), sector);
    if (a > sector / 2) a = sector - a;
    Vec2 q = Vec2{std::sin(a), -std::cos(a)} * length(p);
    Vec2 tip{0, -r}, notch{std::sin(sector / 2) * ri, -std::cos(sector / 2) * ri};
    Vec2 e = notch - tip, w = q - tip;
    float h = std::clamp(dot(w, e) / dot(e, e), 0.0f, 1.0f);
    float d = length(w - e * h);
    float side = e.x * w.y - e.y * w.x;
    return side > 0 ? -d : d;
}

}  // namespace resbuild
