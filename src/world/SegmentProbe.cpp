#include "world/SegmentProbe.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace {
// Up to this no step of the platform test overflows a float, which the margin relies on.
constexpr double kLargest = 1e15;
// The platform test's rounding moves a hit point by under 1e-6 of the largest coordinate, and
// its t by a few float steps: these leave ample room.
constexpr double kMarginShare = 1e-4;
constexpr double kSlack = 1e-4;

// A slope that underflows keeps few bits, and the platform test divides by it.
bool SlopeKeepsPrecision(const Segment& s) {
    const float slope = (s.b.y - s.a.y) / (s.b.x - s.a.x);
    return !(slope != 0.0f && std::fabs(slope) < std::numeric_limits<float>::min());
}
}  // namespace

SegmentProbe::SegmentProbe(const Segment& segment, const Float4& world)
    : ax_(segment.a.x),
      ay_(segment.a.y),
      dx_(static_cast<double>(segment.b.x) - segment.a.x),
      dy_(static_cast<double>(segment.b.y) - segment.a.y),
      length_(std::sqrt(dx_ * dx_ + dy_ * dy_)),
      span_{std::min(segment.a.x, segment.b.x), std::min(segment.a.y, segment.b.y),
            std::max(segment.a.x, segment.b.x), std::max(segment.a.y, segment.b.y)},
      world_(world) {
    const float coordinates[] = {segment.a.x, segment.a.y, segment.b.x, segment.b.y};
    double largest = 0.0;
    bool finite = true;
    for (const float c : coordinates) {
        finite = finite && std::isfinite(c);
        largest = std::max(largest, std::fabs(static_cast<double>(c)));
    }
    trusted_ = finite && largest <= kLargest && SlopeKeepsPrecision(segment);
    margin_ = kMarginShare * (largest + 1.0);
}

SegmentProbe::Box SegmentProbe::Reach(const Float4& node) const {
    Box r{node.x1, node.y1, node.x2, node.y2};
    // Outwards only as far as the segment goes: beyond it nothing can be met.
    if (node.x1 <= world_.x1) r.x1 = std::min(r.x1, span_.x1);
    if (node.y1 <= world_.y1) r.y1 = std::min(r.y1, span_.y1);
    if (node.x2 >= world_.x2) r.x2 = std::max(r.x2, span_.x2);
    if (node.y2 >= world_.y2) r.y2 = std::max(r.y2, span_.y2);
    return {r.x1 - margin_, r.y1 - margin_, r.x2 + margin_, r.y2 + margin_};
}

double SegmentProbe::Approach(const Float4& node) const {
    const Box r = Reach(node);
    constexpr double kNever = std::numeric_limits<double>::infinity();
    if (span_.x1 > r.x2 || span_.x2 < r.x1 || span_.y1 > r.y2 || span_.y2 < r.y1) return kNever;
    // The boxes overlap: the segment misses only when the whole box lies on one side of it.
    const std::array<double, 4> corners = {Side(r.x1, r.y1), Side(r.x2, r.y1), Side(r.x1, r.y2),
                                           Side(r.x2, r.y2)};
    const auto above = [](double side) { return side > 0.0; };
    const auto below = [](double side) { return side < 0.0; };
    if (std::all_of(corners.begin(), corners.end(), above) ||
        std::all_of(corners.begin(), corners.end(), below)) {
        return kNever;
    }
    const double x = std::max({r.x1 - ax_, 0.0, ax_ - r.x2});
    const double y = std::max({r.y1 - ay_, 0.0, ay_ - r.y2});
    return std::sqrt(x * x + y * y);
}

bool SegmentProbe::Beyond(double nearness, float t) const {
    return nearness * (1.0 - kSlack) > t * length_ + margin_;
}
