#pragma once

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

// Touching counts.
inline bool TouchesOrOverlaps(const Float4& p, const Float4& r) {
    return p.y1 <= r.y2 && p.y2 >= r.y1 && p.x1 <= r.x2 && p.x2 >= r.x1;
}
