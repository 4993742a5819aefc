#include "core/Geometry.h"

#include <gtest/gtest.h>

TEST(Geometry, PointAlongSegmentStartsAtTheSecondPoint) {
    EXPECT_EQ(PointAlongSegment({{10, 20}, {30, 40}}, 0.0f), (Vec2{30, 40}));
}

TEST(Geometry, RotationIsClockwiseOnScreenAndMovesByTheCentre) {
    Vec2 v{1, 0};
    RotateAbout(v, Vec2{10, 10}, 90.0f);
    EXPECT_NEAR(v.x, 10.0f, 1e-5f);
    EXPECT_NEAR(v.y, 11.0f, 1e-5f);  // +x turns to +y, which is down on screen
}

TEST(Geometry, SegmentsMeetOnlyWhereBothAreEdgesIncluded) {
    const Segment horizontal{{0, 5}, {10, 5}};
    EXPECT_EQ(SegmentIntersection(horizontal, Segment{{10, 0}, {10, 5}}), (Vec2{10, 5}));
    EXPECT_FALSE(SegmentIntersection(horizontal, Segment{{2, 5}, {8, 5}}));  // collinear
    EXPECT_FALSE(SegmentIntersection(horizontal, Segment{{5, 6}, {5, 10}}));
}
