#pragma once

#include <algorithm>

#include "core/Float4.h"

// The rectangle relations collision is built on; edges matter, so each says how it treats them.

// Edges included.
inline bool RectContains(const Float4& r, float x, float y) {
    return x >= r.x1 && x <= r.x2 && y >= r.y1 && y <= r.y2;
}

// Touching along an edge or a corner does not count.
inline bool StrictlyOverlaps(const Float4& q, const Float4& r) {
    return q.x1 < r.x2 && q.x2 > r.x1 && q.y1 < r.y2 && q.y2 > r.y1;
}

// The smallest rectangle holding both: all a move from one to the other passes through.
inline Float4 Covering(const Float4& a, const Float4& b) {
    return {std::min(a.x1, b.x1), std::min(a.y1, b.y1), std::max(a.x2, b.x2), std::max(a.y2, b.y2)};
}

// Touching counts.
inline bool TouchesOrOverlaps(const Float4& p, const Float4& r) {
    return p.y1 <= r.y2 && p.y2 >= r.y1 && p.x1 <= r.x2 && p.x2 >= r.x1;
}
