#pragma once

#include "core/Float4.h"
#include "core/Geometry.h"

// A segment made ready for testing against many tree nodes. The tests are generous by a small
// margin, in double precision, so that no platform a node lists is passed over because of the
// float rounding in the platform's own segment test: a platform that test reports always holds
// a point within the margin of the segment, or holds the segment's start.
class SegmentProbe {
public:
    SegmentProbe(const Segment& segment, const Float4& world);

    // False when the margin cannot be trusted to cover the rounding: a non-finite or huge
    // coordinate, or a slope so shallow that it loses its precision. Such a segment needs the
    // plain scan.
    bool Trusted() const { return trusted_; }
    // How far from the segment's start the node lies, when the segment passes within the margin
    // of it; infinity when it passes by. No hit point in the node is nearer. A node on the edge
    // of the world counts as reaching on outwards, for a platform sticking out of the world is
    // listed only by the nodes along the edge it crosses.
    double Approach(const Float4& node) const;
    // Whether every hit at `nearness` is further along than fraction `t`, rounding included,
    // so it could neither beat nor tie a hit at t.
    bool Beyond(double nearness, float t) const;

private:
    struct Box {
        double x1, y1, x2, y2;
    };
    Box Reach(const Float4& node) const;
    double Side(double x, double y) const { return dx_ * (y - ay_) - dy_ * (x - ax_); }

    double ax_, ay_, dx_, dy_;
    double length_;
    double margin_;
    Box span_;  // the segment's bounding box
    Float4 world_;
    bool trusted_;
};
