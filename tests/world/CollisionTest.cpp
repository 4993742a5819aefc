#include <gtest/gtest.h>

#include "world/GameMap.h"
#include "world/Platform.h"
#include "world/PlatformSide.h"
#include "world/PushResult.h"
#include "world/SegmentHit.h"
#include "world/SweepHit.h"

namespace {
void ExpectHit(const SegmentHit& hit, const Platform& platform, int side, Vec2 point, float t) {
    EXPECT_EQ(hit.platform, &platform);
    EXPECT_EQ(hit.side, side);
    EXPECT_EQ((Vec2{hit.x, hit.y}), point);
    EXPECT_FLOAT_EQ(hit.t, t);
}

void ExpectMiss(const SegmentHit& hit, Vec2 end) {
    EXPECT_EQ(hit.platform, nullptr);
    EXPECT_EQ(hit.side, kSideNone);
    EXPECT_EQ((Vec2{hit.x, hit.y}), end);
    EXPECT_EQ(hit.t, 1.0f);
}

void ExpectRect(const Float4& r, const Float4& expected) {
    EXPECT_EQ(r.x1, expected.x1);
    EXPECT_EQ(r.y1, expected.y1);
    EXPECT_EQ(r.x2, expected.x2);
    EXPECT_EQ(r.y2, expected.y2);
}
}  // namespace

TEST(PlatformCollision, SegmentHitsTheSideItCrosses) {
    const Platform tall(5, 0, 15, 20);
    const Platform square(0, 0, 20, 20);
    SegmentHit hit;
    tall.IntersectSegment({{0, 10}, {20, 10}}, hit, 0);
    ExpectHit(hit, tall, kSideLeft, {5, 10}, 0.25f);
    tall.IntersectSegment({{20, 10}, {0, 10}}, hit, 0);
    ExpectHit(hit, tall, kSideRight, {15, 10}, 0.25f);

    // Vertical segments have an infinite slope (or 0 x infinity on an edge): the sides fail
    // their range test and the top or bottom decides.
    square.IntersectSegment({{10, -10}, {10, 10}}, hit, 0);
    ExpectHit(hit, square, kSideTop, {10, 0}, 0.5f);
    square.IntersectSegment({{10, 30}, {10, 10}}, hit, 0);
    ExpectHit(hit, square, kSideBottom, {10, 20}, 0.5f);
    square.IntersectSegment({{20, -10}, {20, 10}}, hit, 0);
    ExpectHit(hit, square, kSideTop, {20, 0}, 0.5f);

    // Both end points beyond x2.
    square.IntersectSegment({{30, -10}, {40, 10}}, hit, 0);
    ExpectMiss(hit, {40, 10});
    // A segment that would need a side behind it still gets it, at a positive t.
    square.IntersectSegment({{10, 10}, {30, 10}}, hit, 0);
    ExpectHit(hit, square, kSideLeft, {0, 10}, 0.5f);
    // A single point never hits, even inside.
    square.IntersectSegment({{10, 10}, {10, 10}}, hit, 0);
    ExpectMiss(hit, {10, 10});
}

TEST(PlatformCollision, SkipFlagsLeaveOutPairsOfSides) {
    // The diagonal enters `byLeft` through its left side and `byTop` through its top.
    const Platform byLeft(5, 4, 30, 30);
    const Platform byTop(4, 5, 30, 30);
    const Segment diagonal{{0, 0}, {20, 20}};
    SegmentHit hit;
    byLeft.IntersectSegment(diagonal, hit, kSkipTopAndBottom);
    ExpectHit(hit, byLeft, kSideLeft, {5, 5}, 0.25f);
    byLeft.IntersectSegment(diagonal, hit, kSkipLeftAndRight);
    ExpectMiss(hit, {20, 20});
    byTop.IntersectSegment(diagonal, hit, kSkipLeftAndRight);
    ExpectHit(hit, byTop, kSideTop, {5, 5}, 0.25f);
    byTop.IntersectSegment(diagonal, hit, kSkipTopAndBottom);
    ExpectMiss(hit, {20, 20});
    // Other bits change nothing.
    byTop.IntersectSegment(diagonal, hit, 1 | 2 | 4 | 8 | 64);
    ExpectHit(hit, byTop, kSideTop, {5, 5}, 0.25f);
}

TEST(PlatformCollision, SceneryIsOnlyAPlaceToPoint) {
    Platform scenery(0, 0, 20, 20);
    scenery.SetSolid(false);
    SegmentHit hit;
    scenery.IntersectSegment({{10, -10}, {10, 10}}, hit, 0);
    ExpectMiss(hit, {10, 10});

    SweepHit sweep{1, 2, 0.5f, nullptr, 3};
    scenery.SweepBox({5, -20, 15, -10}, {5, 0, 15, 10}, sweep);
    EXPECT_EQ(sweep.t, 0.5f);
    EXPECT_EQ(sweep.x, 1.0f);

    Float4 rect{5, 5, 15, 15};
    PushResult push;
    scenery.PushOutRect(rect, push);
    ExpectRect(rect, {5, 5, 15, 15});
    EXPECT_EQ(push.platform, nullptr);

    // Edges included.
    EXPECT_TRUE(scenery.ContainsPoint(0, 20));
    EXPECT_TRUE(scenery.ContainsPoint(20, 0));
    EXPECT_FALSE(scenery.ContainsPoint(20.001f, 10));
    EXPECT_FALSE(scenery.ContainsPoint(10, -0.001f));
}

TEST(PlatformCollision, SweepFollowsTheLeadingCorners) {
    struct Case {
        Float4 platform, from, to;
        int side;
        Vec2 centre;
        float t;
    };
    constexpr float kTwoThirds = 2.0f / 3.0f;
    const Case cases[] = {
        // Down: the bottom corners land on the top; the centre sits half a box above it.
        {{0, 100, 200, 120}, {10, 50, 30, 90}, {10, 70, 30, 110}, kSideTop, {20, 80}, 0.5f},
        // Up into a bottom.
        {{0, 0, 200, 20}, {10, 40, 30, 60}, {10, 10, 30, 30}, kSideBottom, {20, 30}, kTwoThirds},
        // Down-right: the bottom-right corner meets the left side; the top-right one (sides
        // only) passes above and the bottom-left one (top and bottom only) misses the top.
        {{50, 50, 150, 150}, {0, 25, 10, 35}, {60, 55, 70, 65}, kSideLeft, {45, 50}, kTwoThirds},
        // Up-left: top-left and bottom-left corners reach the right side together; 0 wins.
        {{0, 0, 100, 100}, {140, 120, 160, 140}, {60, 40, 80, 60}, kSideRight, {110, 90}, 0.5f},
        // Down-left: the bottom-left corner meets the right side.
        {{0, 100, 100, 200}, {120, 60, 140, 80}, {80, 120, 100, 140}, kSideRight, {110, 100}, 0.5f},
        // Up-right: the top-right corner meets the left side.
        {{50, 0, 150, 100}, {0, 75, 10, 85}, {60, 45, 70, 55}, kSideLeft, {45, 60}, kTwoThirds},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        const Case& c = cases[i];
        const Platform platform(c.platform.x1, c.platform.y1, c.platform.x2, c.platform.y2);
        SweepHit hit;
        platform.SweepBox(c.from, c.to, hit);
        EXPECT_EQ(hit.platform, &platform);
        EXPECT_EQ(hit.side, c.side);
        EXPECT_FLOAT_EQ(hit.x, c.centre.x);
        EXPECT_FLOAT_EQ(hit.y, c.centre.y);
        EXPECT_FLOAT_EQ(hit.t, c.t);
    }
}

TEST(PlatformCollision, SweepLeavesTheResultAloneWithoutContact) {
    const Platform floor(0, 100, 200, 120);
    const SweepHit before{7, 8, 0.25f, nullptr, 4};
    const auto sweep = [&](const Float4& from, const Float4& to) {
        SweepHit hit = before;
        floor.SweepBox(from, to, hit);
        EXPECT_EQ(hit.platform, nullptr);
        EXPECT_EQ(hit.t, 0.25f);
        EXPECT_EQ(hit.x, 7.0f);
    };
    // Sideways only: no corner is followed, even straight through the platform.
    sweep({-50, 95, -30, 105}, {50, 95, 70, 105});
    // Arriving exactly on the top is t = 1: not yet a contact.
    sweep({10, 50, 30, 90}, {10, 60, 30, 100});
    // Standing still tests all corners but a point crosses nothing.
    sweep({10, 90, 30, 110}, {10, 90, 30, 110});
    // Moving away.
    sweep({10, 50, 30, 90}, {10, 40, 30, 80});
    // Only corners are followed: a box wider than the platform falls past it.
    sweep({-50, 50, 250, 90}, {-50, 130, 250, 170});
}

TEST(PlatformCollision, SweepTieGoesToTheLowerCorner) {
    // The box grows while it falls, so its two bottom corners reach the top at the same t
    // but at points that give different centres; the bottom-right corner (2) wins over 3.
    const Platform floor(-5, 15, 30, 30);
    SweepHit hit;
    floor.SweepBox({0, 0, 10, 10}, {0, 10, 20, 20}, hit);
    EXPECT_EQ(hit.side, kSideTop);
    EXPECT_EQ(hit.t, 0.5f);
    EXPECT_EQ((Vec2{hit.x, hit.y}), (Vec2{10, 10}));
}

TEST(PlatformCollision, PushOutLeavesByTheNearerSideInPercent) {
    const Platform square(0, 0, 100, 100);
    const Platform wide(0, 0, 400, 100);
    struct Case {
        const char* where;
        const Platform& platform;
        Float4 rect, pushed;
        int side;
        bool ground;
    };
    const Case cases[] = {
        // Dead centre: the percentages tie, which pushes sideways and to the left.
        {"centre", square, {40, 40, 60, 60}, {-20, 40, 0, 60}, kSideLeft, false},
        {"right", square, {90, 40, 110, 60}, {100, 40, 120, 60}, kSideRight, false},
        {"on top", square, {40, -10, 60, 10}, {40, -20, 60, 0}, kSideTop, true},
        {"below", square, {40, 90, 60, 110}, {40, 100, 60, 120}, kSideBottom, false},
        // 100 off centre across but only 25 % of the width, against 30 % of the height.
        {"wide", wide, {290, 10, 310, 30}, {290, -20, 310, 0}, kSideTop, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.where);
        Float4 rect = c.rect;
        PushResult result;
        c.platform.PushOutRect(rect, result);
        ExpectRect(rect, c.pushed);
        EXPECT_EQ(result.platform, &c.platform);
        EXPECT_EQ(result.side, c.side);
        EXPECT_EQ(result.ground, c.ground ? &c.platform : nullptr);
    }

    // Touching along an edge is no overlap.
    Float4 touching{100, 40, 120, 60};
    PushResult result;
    square.PushOutRect(touching, result);
    ExpectRect(touching, {100, 40, 120, 60});
    EXPECT_EQ(result.platform, nullptr);
}

TEST(MapQueries, NothingIsHitWithoutATree) {
    GameMap map;
    map.Platforms() = {Platform(0, 0, 800, 600)};
    ShotTrace trace;
    map.TraceShot({{10, 10}, {20, 20}}, trace, kTracePlatforms);
    EXPECT_EQ(trace.platform, nullptr);
    EXPECT_EQ(trace.point, (Vec2{20, 20}));
    EXPECT_EQ(trace.start, (Vec2{10, 10}));
    EXPECT_EQ(trace.player, -1);
    EXPECT_FALSE(map.SegmentHitsPlatform({{10, 10}, {20, 20}}));
    Float4 rect{10, 10, 20, 20};
    PushResult result{&map.Platforms()[0], 3, nullptr};
    map.CollideRect(rect, result);
    ExpectRect(rect, {10, 10, 20, 20});
    EXPECT_EQ(result.platform, nullptr);
    EXPECT_EQ(result.side, 0);
}

TEST(MapQueries, ShotKeepsTheNearestHitAndTheFirstOfEquals) {
    GameMap map;
    std::vector<Platform>& platforms = map.Platforms();
    platforms = {
        Platform(150, 0, 170, 100),   // t = 0.75
        Platform(100, 0, 120, 50),    // t = 0.5
        Platform(100, 40, 130, 100),  // t = 0.5 as well
        Platform(600, 400, 700, 500), Platform(50, 200, 60, 250),
    };
    platforms[4].SetSolid(false);
    map.BuildQuadTree(GameMap::kTreeDepth);

    const Segment shot{{0, 45}, {200, 45}};
    ShotTrace trace;
    trace.player = 3;
    map.TraceShot(shot, trace, kTracePlatforms | kTracePlayers);
    EXPECT_EQ(trace.platform, &platforms[1]);
    EXPECT_EQ(trace.side, kSideLeft);
    EXPECT_EQ(trace.point, (Vec2{100, 45}));
    EXPECT_EQ(trace.t, 0.5f);
    EXPECT_EQ(trace.player, -1);

    // The flags reach each platform: without left and right sides this shot meets nothing.
    map.TraceShot(shot, trace, kTracePlatforms | kSkipLeftAndRight);
    EXPECT_EQ(trace.platform, nullptr);
    map.TraceShot(shot, trace, kTracePlayers);
    EXPECT_EQ(trace.platform, nullptr);
    EXPECT_EQ(trace.point, (Vec2{200, 45}));

    EXPECT_TRUE(map.SegmentHitsPlatform(shot));
    // Crossing the world's centre lines, and leaving the world: tested against every platform.
    EXPECT_TRUE(map.SegmentHitsPlatform({{300, 300}, {650, 450}}));
    EXPECT_TRUE(map.SegmentHitsPlatform({{-100, 450}, {650, 450}}));
    // Scenery does not block sight.
    EXPECT_FALSE(map.SegmentHitsPlatform({{40, 220}, {70, 220}}));
}

TEST(MapQueries, CollideRectPushesOncePerLeaf) {
    // Depth 1: four leaves. `shared` straddles x = 400 and so lies in the top two.
    GameMap map;
    std::vector<Platform>& platforms = map.Platforms();
    platforms = {Platform(380, 100, 420, 200), Platform(385, 60, 399, 85)};
    const Platform& shared = platforms[0];
    map.BuildQuadTree(1);

    // Touching `shared` along its right edge only: nothing, and the result starts at zero.
    Float4 touching{420, 150, 440, 170};
    PushResult result{&platforms[1], 4, &platforms[1]};
    map.CollideRect(touching, result);
    ExpectRect(touching, {420, 150, 440, 170});
    EXPECT_EQ(result.platform, nullptr);
    EXPECT_EQ(result.ground, nullptr);

    // Top-left leaf: `shared` pushes it up, the small platform back down into `shared`; then
    // the top-right leaf's `shared` pushes it up again.
    Float4 rect{395, 90, 405, 110};
    map.CollideRect(rect, result);
    ExpectRect(rect, {395, 80, 405, 100});
    EXPECT_EQ(result.platform, &shared);
    EXPECT_EQ(result.side, kSideTop);
    EXPECT_EQ(result.ground, &shared);
}
