#pragma once

#include <cmath>

// A 2-D vector or point in pixels; y grows downwards like the screen.
struct Vec2 {
    float x = 0.0f;
    float y = 0.0f;
};

inline Vec2 MakeVec2(float x, float y) { return Vec2{x, y}; }
inline float Length(Vec2 v) { return std::sqrt(v.x * v.x + v.y * v.y); }
inline float Dot(Vec2 a, Vec2 b) { return a.x * b.x + a.y * b.y; }

inline Vec2 operator+(Vec2 a, Vec2 b) { return Vec2{a.x + b.x, a.y + b.y}; }
inline Vec2 operator-(Vec2 a, Vec2 b) { return Vec2{a.x - b.x, a.y - b.y}; }
inline Vec2 operator*(Vec2 a, float s) { return Vec2{a.x * s, a.y * s}; }
inline bool operator==(Vec2 a, Vec2 b) { return a.x == b.x && a.y == b.y; }
