#pragma once

#include <optional>

#include "core/Vec2.h"

inline constexpr float kDegToRad = 0.017453292519444445f;

struct Segment {
    Vec2 a;
    Vec2 b;
};

// Distance between two points, from the absolute differences of the coordinates.
float Distance(float x1, float y1, float x2, float y2);

// The point b + (a - b) * t: t = 0 gives the second point, t = 1 the first.
Vec2 PointAlongSegment(const Segment& segment, float t);

// Rotates v by the angle (degrees, positive turns clockwise on screen) and then moves it by centre.
void RotateAbout(Vec2& v, Vec2 centre, float degrees);

// Where segment a crosses segment b, edges included; none for parallel segments.
std::optional<Vec2> SegmentIntersection(const Segment& a, const Segment& b);
