#include "core/Geometry.h"

#include <gtest/gtest.h>

TEST(Geometry, DistanceAndPointAlongSegment) {
    EXPECT_FLOAT_EQ(Distance(3, 0, 0, 4), 5.0f);
    const Segment s{{10, 20}, {30, 40}};
    EXPECT_EQ(PointAlongSegment(s, 0.0f), (Vec2{30, 40}));  // t = 0 is the second point
    EXPECT_EQ(PointAlongSegment(s, 1.0f), (Vec2{10, 20}));
    EXPECT_EQ(PointAlongSegment(s, 0.5f), (Vec2{20, 30}));
}

TEST(Geometry, RotationIsClockwiseOnScreenAndMovesByTheCentre) {
    Vec2 v{1, 0};
    RotateAbout(v, Vec2{10, 10}, 90.0f);
    EXPECT_NEAR(v.x, 10.0f, 1e-5f);
    EXPECT_NEAR(v.y, 11.0f, 1e-5f);  // +x turns to +y, which is down on screen
}

TEST(Geometry, SegmentIntersection) {
    const Segment horizontal{{0, 5}, {10, 5}};
    const auto cross = SegmentIntersection(horizontal, Segment{{5, 0}, {5, 10}});
    ASSERT_TRUE(cross.has_value());
    EXPECT_FLOAT_EQ(cross->x, 5.0f);
    EXPECT_FLOAT_EQ(cross->y, 5.0f);

    // Parallel and collinear segments never meet.
    EXPECT_FALSE(SegmentIntersection(horizontal, Segment{{0, 6}, {10, 6}}));
    EXPECT_FALSE(SegmentIntersection(horizontal, Segment{{2, 5}, {8, 5}}));
    // Lines that cross outside one of the segments.
    EXPECT_FALSE(SegmentIntersection(horizontal, Segment{{5, 6}, {5, 10}}));
    EXPECT_FALSE(SegmentIntersection(horizontal, Segment{{20, 0}, {20, 10}}));
    // Touching at an end point counts: edges are included.
    const auto touch = SegmentIntersection(horizontal, Segment{{10, 0}, {10, 5}});
    ASSERT_TRUE(touch.has_value());
    EXPECT_FLOAT_EQ(touch->x, 10.0f);
}
