#pragma once

#include <ostream>

#include "core/Float4.h"
#include "core/Vec2.h"

// Rectangles compare whole and print readably, so a failed expectation shows both sides.
inline bool operator==(const Float4& a, const Float4& b) {
    return a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2;
}

inline std::ostream& operator<<(std::ostream& out, const Float4& r) {
    return out << '(' << r.x1 << ' ' << r.y1 << ' ' << r.x2 << ' ' << r.y2 << ')';
}

inline std::ostream& operator<<(std::ostream& out, Vec2 v) {
    return out << '(' << v.x << ' ' << v.y << ')';
}
