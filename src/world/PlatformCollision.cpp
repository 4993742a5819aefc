#include <array>
#include <cmath>
#include <limits>

#include "world/Platform.h"
#include "world/PlatformSide.h"
#include "world/PushResult.h"
#include "world/RectRelations.h"
#include "world/SegmentHit.h"
#include "world/SweepHit.h"

// A vertical segment divides by zero on purpose: the infinite or undefined slope then fails
// every range test, which is what lets the top and bottom sides decide.
static_assert(std::numeric_limits<float>::is_iec559, "collision relies on IEEE floats");

namespace {
bool Between(float value, float low, float high) { return low <= value && value <= high; }

// Both end points beyond the same side: the segment cannot reach the rectangle.
bool BothOutside(const Segment& s, const Float4& r) {
    return (s.a.x < r.x1 && s.b.x < r.x1) || (s.a.x > r.x2 && s.b.x > r.x2) ||
           (s.a.y < r.y1 && s.b.y < r.y1) || (s.a.y > r.y2 && s.b.y > r.y2);
}

// Segment flags for a sweep: every side, only the left and right, only the top and bottom.
constexpr int kAllSides = 13;
constexpr int kLeftRightOnly = kAllSides | kSkipTopAndBottom;  // 29
constexpr int kTopBottomOnly = kAllSides | kSkipLeftAndRight;  // 45

// Which box corners a sweep follows, by the sign of the motion; 0 leaves a corner out.
// Corners: 0 top-left, 1 top-right, 2 bottom-right, 3 bottom-left. Motion along x alone tests
// nothing, so movers must not count on a contact from it.
using CornerFlags = std::array<int, 4>;
constexpr std::array<CornerFlags, 9> kSweepCorners = {{
    // dx < 0
    {kAllSides, kAllSides, 0, kLeftRightOnly},       // dy < 0
    {0, 0, 0, 0},                                    // dy = 0
    {kLeftRightOnly, 0, kTopBottomOnly, kAllSides},  // dy > 0
    // dx = 0
    {kAllSides, kAllSides, 0, 0},                  // dy < 0
    {kAllSides, kAllSides, kAllSides, kAllSides},  // dy = 0
    {0, 0, kAllSides, kAllSides},                  // dy > 0
    // dx > 0
    {kAllSides, kAllSides, kLeftRightOnly, 0},       // dy < 0
    {0, 0, 0, 0},                                    // dy = 0
    {0, kLeftRightOnly, kAllSides, kTopBottomOnly},  // dy > 0
}};

// From a corner's contact point to the box centre, in half widths and half heights.
constexpr std::array<Vec2, 4> kCornerToCentre = {{{1, 1}, {-1, 1}, {-1, -1}, {1, -1}}};

// 0 for negative, 1 for zero, 2 for positive: a row or column of the corner table.
std::size_t SignIndex(float v) { return v < 0.0f ? 0 : (v > 0.0f ? 2 : 1); }

const CornerFlags& SweepCorners(float dx, float dy) {
    return kSweepCorners[SignIndex(dx) * 3 + SignIndex(dy)];
}

// Moves the span [low, high] to end at `edge`, or to start at it, keeping its size.
void PlaceBefore(float& low, float& high, float edge) {
    const float size = high - low;
    high = edge;
    low = high - size;
}

void PlaceAfter(float& low, float& high, float edge) {
    const float size = high - low;
    low = edge;
    high = low + size;
}

std::array<Segment, 4> CornerPaths(const Float4& o, const Float4& n) {
    return {{{{o.x1, o.y1}, {n.x1, n.y1}},
             {{o.x2, o.y1}, {n.x2, n.y1}},
             {{o.x2, o.y2}, {n.x2, n.y2}},
             {{o.x1, o.y2}, {n.x1, n.y2}}}};
}
}  // namespace

bool Platform::ContainsPoint(float x, float y) const { return RectContains(rect_, x, y); }

void Platform::IntersectSegment(const Segment& segment, SegmentHit& result, int flags) const {
    const float sx1 = segment.a.x;
    const float sy1 = segment.a.y;
    const float sx2 = segment.b.x;
    const float sy2 = segment.b.y;
    result = SegmentHit{kSideNone, sx2, sy2, 1.0f, nullptr};
    if (!solid_ || BothOutside(segment, rect_)) return;

    const auto [x1, y1, x2, y2] = rect_;
    const float m = (sy2 - sy1) / (sx2 - sx1);
    int side = kSideNone;
    Vec2 hit;
    if ((flags & kSkipLeftAndRight) == 0) {
        const bool rightward = sx2 > sx1;
        if (rightward ? x1 > sx2 : x2 < sx2) return;
        const float x = rightward ? x1 : x2;
        const float y = (x - sx1) * m + sy1;
        if (Between(y, y1, y2)) {
            side = rightward ? kSideLeft : kSideRight;
            hit = Vec2{x, y};
        }
    }
    if (side == kSideNone) {
        if ((flags & kSkipTopAndBottom) != 0) return;
        const bool downward = sy2 > sy1;
        if (downward ? y1 > sy2 : y2 < sy2) return;
        const float y = downward ? y1 : y2;
        const float x = (y - sy1) / m + sx1;
        if (!Between(x, x1, x2)) return;
        side = downward ? kSideTop : kSideBottom;
        hit = Vec2{x, y};
    }
    result.side = side;
    result.x = hit.x;
    result.y = hit.y;
    result.t = Distance(sx1, sy1, hit.x, hit.y) / Distance(sx1, sy1, sx2, sy2);
    result.platform = this;
}

void Platform::SweepBox(const Float4& oldBox, const Float4& newBox, SweepHit& result) const {
    if (!solid_) return;
    const Float4& o = oldBox;
    const Float4& n = newBox;
    const auto [x1, y1, x2, y2] = rect_;
    const bool reachable = (o.y1 <= y2 || n.y1 <= y2) && (y1 <= o.y2 || y1 <= n.y2) &&
                           (o.x1 <= x2 || n.x1 <= x2) && (x1 <= o.x2 || x1 <= n.x2);
    if (!reachable) return;

    const float hw = (o.x2 - o.x1) / 2;
    const float hh = (o.y2 - o.y1) / 2;
    const std::array<Segment, 4> paths = CornerPaths(o, n);
    const CornerFlags& tested = SweepCorners(n.x1 - o.x1, n.y1 - o.y1);

    std::array<SegmentHit, 4> hits{};
    for (std::size_t corner = 0; corner < hits.size(); ++corner) {
        if (tested[corner] != 0) IntersectSegment(paths[corner], hits[corner], tested[corner]);
    }
    std::size_t best = 0;
    for (std::size_t corner = 1; corner < hits.size(); ++corner) {
        if (hits[corner].t < hits[best].t) best = corner;
    }
    const SegmentHit& hit = hits[best];
    if (hit.t == 1.0f) return;
    result.x = hit.x + kCornerToCentre[best].x * hw;
    result.y = hit.y + kCornerToCentre[best].y * hh;
    result.t = hit.t;
    result.platform = hit.platform;
    result.side = hit.side;
}

void Platform::PushOutRect(Float4& rect, PushResult& result) const {
    if (!solid_ || !StrictlyOverlaps(rect, rect_)) return;
    result.platform = this;
    const auto [x1, y1, x2, y2] = rect_;
    const float qcx = (rect.x2 - rect.x1) / 2 + rect.x1;
    const float qcy = (rect.y2 - rect.y1) / 2 + rect.y1;
    // How far off centre the rectangle sits, in percent of the platform's width and height:
    // it leaves through the nearer pair of sides.
    const float ax = std::fabs(qcx - centre_.x) * 100.0f / (x2 - x1);
    const float ay = std::fabs(qcy - centre_.y) * 100.0f / (y2 - y1);
    if (ay <= ax) {
        const bool left = qcx <= centre_.x;
        result.side = left ? kSideLeft : kSideRight;
        if (left)
            PlaceBefore(rect.x1, rect.x2, x1);
        else
            PlaceAfter(rect.x1, rect.x2, x2);
    } else {
        const bool up = qcy <= centre_.y;
        result.side = up ? kSideTop : kSideBottom;
        if (up) {
            result.ground = this;
            PlaceBefore(rect.y1, rect.y2, y1);
        } else {
            PlaceAfter(rect.y1, rect.y2, y2);
        }
    }
}
