#include "core/Geometry.h"

#include <algorithm>
#include <cmath>

float Distance(float x1, float y1, float x2, float y2) {
    const float dx = std::max(x1, x2) - std::min(x1, x2);
    const float dy = std::max(y1, y2) - std::min(y1, y2);
    return std::sqrt(dx * dx + dy * dy);
}

Vec2 PointAlongSegment(const Segment& segment, float t) {
    return segment.b + (segment.a - segment.b) * t;
}

void RotateAbout(Vec2& v, Vec2 centre, float degrees) {
    const float a = degrees * kDegToRad;
    const float c = std::cos(a);
    const float s = std::sin(a);
    v = Vec2{v.x * c - v.y * s + centre.x, v.x * s + v.y * c + centre.y};
}

namespace {
bool InsideBox(Vec2 p, const Segment& s) {
    return p.x >= std::min(s.a.x, s.b.x) && p.x <= std::max(s.a.x, s.b.x) &&
           p.y >= std::min(s.a.y, s.b.y) && p.y <= std::max(s.a.y, s.b.y);
}
}  // namespace

std::optional<Vec2> SegmentIntersection(const Segment& a, const Segment& b) {
    const Vec2 a1 = a.a;
    const Vec2 a2 = a.b;
    const Vec2 b1 = b.a;
    const Vec2 b2 = b.b;
    const float d = (b2.x - b1.x) * (a1.y - a2.y) - (b2.y - b1.y) * (a1.x - a2.x);
    if (d == 0.0f) return std::nullopt;
    const float u = ((b2.x - b1.x) * (a1.y - b1.y) - (b2.y - b1.y) * (a1.x - b1.x)) / d;
    if (u < 0.0f || u > 1.0f) return std::nullopt;
    const Vec2 p = a1 + (a2 - a1) * u;
    if (!InsideBox(p, b) || !InsideBox(p, a)) return std::nullopt;
    return p;
}
