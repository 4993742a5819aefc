#include "core/Geometry.h"

#include <gtest/gtest.h>

// Point 0 along a segment is its second point; rotation is clockwise on the screen (+x turns to
// +y, which is down) about the centre; segments meet only where both include the point.
TEST(Geometry, PointsAlongRotationAndCrossingFollowTheGamesConventions) {
    EXPECT_EQ(PointAlongSegment({{10, 20}, {30, 40}}, 0.0f), (Vec2{30, 40}));
    Vec2 v{1, 0};
    RotateAbout(v, Vec2{10, 10}, 90.0f);
    EXPECT_NEAR(v.x, 10.0f, 1e-5f);
    EXPECT_NEAR(v.y, 11.0f, 1e-5f);
    const Segment horizontal{{0, 5}, {10, 5}};
    EXPECT_EQ(SegmentIntersection(horizontal, Segment{{10, 0}, {10, 5}}), (Vec2{10, 5}));
    EXPECT_FALSE(SegmentIntersection(horizontal, Segment{{2, 5}, {8, 5}}));  // collinear
    EXPECT_FALSE(SegmentIntersection(horizontal, Segment{{5, 6}, {5, 10}}));
}
