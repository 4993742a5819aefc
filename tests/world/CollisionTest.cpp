#include <gtest/gtest.h>

#include <tuple>

#include "world/Float4Compare.h"
#include "world/GameMap.h"
#include "world/Platform.h"
#include "world/PlatformSide.h"
#include "world/PushResult.h"
#include "world/SegmentHit.h"
#include "world/SweepHit.h"

namespace {
Platform Make(const Float4& r) { return Platform(r.x1, r.y1, r.x2, r.y2); }

// Whole results, compared exactly: these numbers all come out of the float maths exactly.
auto Of(const SegmentHit& h) { return std::tuple(h.platform, h.side, Vec2{h.x, h.y}, h.t); }
auto Of(const SweepHit& h) { return std::tuple(h.platform, h.side, Vec2{h.x, h.y}, h.t); }
auto Of(const PushResult& r) { return std::tuple(r.platform, r.side, r.ground); }
auto Of(const ShotTrace& s) { return std::tuple(s.platform, s.side, s.point, s.t); }
}  // namespace

TEST(PlatformCollision, SegmentHitsTheSideItCrosses) {
    constexpr int kSides = kSkipTopAndBottom | 1 | 2 | 4 | 8 | 64;  // the rest mean nothing here
    const struct {
        Float4 platform;
        Segment segment;
        int flags, side;
        Vec2 point;
        float t;
    } cases[] = {
        // Vertical: the infinite slope (0 x infinity on an edge) fails the sides' range test.
        {{0, 0, 20, 20}, {{10, -10}, {10, 10}}, 0, kSideTop, {10, 0}, 0.5f},
        {{5, 4, 30, 30}, {{0, 0}, {20, 20}}, kSides, kSideLeft, {5, 5}, 0.25f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        const Platform platform = Make(c.platform);
        SegmentHit hit;
        platform.IntersectSegment(c.segment, hit, c.flags);
        EXPECT_EQ(Of(hit), std::tuple(&platform, c.side, c.point, c.t));
    }
}

// Each direction of motion follows its own corners, each corner its own sides.
TEST(PlatformCollision, SweepFollowsTheLeadingCorners) {
    constexpr float k23 = 2.0f / 3.0f;
    constexpr Float4 kFloor{0, 100, 200, 120};
    const struct {
        Float4 platform, from, to;
        int side;  // kSideNone: no contact, which leaves the result as it was
        Vec2 centre;
        float t;
        bool scenery = false;  // drawn, but never swept into
    } cases[] = {
        // Down with only one bottom corner over the platform.
        {kFloor, {190, 50, 210, 90}, {190, 70, 210, 110}, kSideTop, {200, 80}, 0.5f},
        // Down-right: the bottom-right corner meets the left side; the other two miss.
        {{50, 50, 150, 150}, {0, 25, 10, 35}, {60, 55, 70, 65}, kSideLeft, {45, 50}, k23},
        // A growing box: both bottom corners reach the top at once; the bottom-right one wins.
        {{-5, 15, 30, 30}, {0, 0, 10, 10}, {0, 10, 20, 20}, kSideTop, {10, 10}, 0.5f},
        // No contact: sideways only, even through the platform; arriving exactly on the top;
        // crossing the top of scenery.
        {kFloor, {-50, 95, -30, 105}, {50, 95, 70, 105}, kSideNone, {}, 0},
        {kFloor, {10, 50, 30, 90}, {10, 60, 30, 100}, kSideNone, {}, 0},
        {kFloor, {10, 50, 30, 90}, {10, 70, 30, 110}, kSideNone, {}, 0, true},
    };
    const SweepHit before{7, 8, 0.25f, nullptr, 4};
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        Platform platform = Make(c.platform);
        platform.SetSolid(!c.scenery);
        SweepHit hit = before;
        platform.SweepBox(c.from, c.to, hit);
        const SweepHit expected =
            c.side == kSideNone ? before : SweepHit{c.centre.x, c.centre.y, c.t, &platform, c.side};
        EXPECT_EQ(Of(hit), Of(expected));
    }
}

TEST(MapQueries, ShotKeepsTheNearestHitAndTheFirstOfEquals) {
    GameMap map;
    PlatformList& platforms = map.Platforms();
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
    map.TraceShot(shot, trace, kTracePlatforms);
    EXPECT_EQ(Of(trace), std::tuple(&platforms[1], int{kSideLeft}, Vec2{100, 45}, 0.5f));
    // The flags reach each platform: without left and right sides this shot meets nothing.
    map.TraceShot(shot, trace, kTracePlatforms | kSkipLeftAndRight);
    EXPECT_EQ(trace.platform, nullptr);
    // A segment leaving the world is tested against every platform; scenery does not block.
    EXPECT_TRUE(map.SegmentHitsPlatform({{-100, 450}, {650, 450}}));
    EXPECT_FALSE(map.SegmentHitsPlatform({{40, 220}, {70, 220}}));
}

TEST(MapQueries, CollideRectPushesOncePerLeaf) {
    // Depth 1: four leaves. `shared` straddles x = 400 and so lies in the top two.
    GameMap map;
    PlatformList& platforms = map.Platforms();
    platforms = {Platform(380, 100, 420, 200), Platform(385, 60, 399, 85)};
    const Platform* shared = &platforms[0];
    map.BuildQuadTree(1);

    // Top-left leaf: `shared` pushes it up, the small platform back down into `shared`; then
    // the top-right leaf's `shared` pushes it up again.
    Float4 rect{395, 90, 405, 110};
    PushResult result;
    map.CollideRect(rect, result);
    EXPECT_EQ(rect, (Float4{395, 80, 405, 100}));
    EXPECT_EQ(Of(result), std::tuple(shared, int{kSideTop}, shared));
}
