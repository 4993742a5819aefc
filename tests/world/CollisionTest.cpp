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
    constexpr Float4 kTall{5, 0, 15, 20}, kSquare{0, 0, 20, 20};
    constexpr Float4 kByLeft{5, 4, 30, 30}, kByTop{4, 5, 30, 30};  // how the diagonal enters
    constexpr Segment kDiagonal{{0, 0}, {20, 20}};
    constexpr int kOthers = 1 | 2 | 4 | 8 | 64;  // ignored by a single platform
    const struct {
        Float4 platform;
        Segment segment;
        int flags, side;  // kSideNone: a miss, which reports the end point at t = 1
        Vec2 point;
        float t;
    } cases[] = {
        {kTall, {{0, 10}, {20, 10}}, 0, kSideLeft, {5, 10}, 0.25f},
        {kTall, {{20, 10}, {0, 10}}, 0, kSideRight, {15, 10}, 0.25f},
        // Vertical: the infinite slope (0 x infinity on an edge) fails the sides' range test.
        {kSquare, {{10, -10}, {10, 10}}, 0, kSideTop, {10, 0}, 0.5f},
        {kSquare, {{10, 30}, {10, 10}}, 0, kSideBottom, {10, 20}, 0.5f},
        {kSquare, {{20, -10}, {20, 10}}, 0, kSideTop, {20, 0}, 0.5f},
        {kSquare, {{30, -10}, {40, 10}}, 0, kSideNone, {40, 10}, 1.0f},  // both beyond x2
        {kSquare, {{10, 10}, {30, 10}}, 0, kSideLeft, {0, 10}, 0.5f},    // a side behind
        {kSquare, {{10, 10}, {10, 10}}, 0, kSideNone, {10, 10}, 1.0f},   // a point never hits
        // Each skip flag leaves out its own pair only (the shot test below skips the sides).
        {kByLeft, kDiagonal, kSkipTopAndBottom | kOthers, kSideLeft, {5, 5}, 0.25f},
        {kByTop, kDiagonal, kSkipLeftAndRight | kOthers, kSideTop, {5, 5}, 0.25f},
        {kByTop, kDiagonal, kSkipTopAndBottom, kSideNone, {20, 20}, 1.0f},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        const auto& c = cases[i];
        const Platform platform = Make(c.platform);
        SegmentHit hit;
        platform.IntersectSegment(c.segment, hit, c.flags);
        const Platform* hitPlatform = c.side == kSideNone ? nullptr : &platform;
        EXPECT_EQ(Of(hit), std::tuple(hitPlatform, c.side, c.point, c.t));
    }
}

// Scenery is drawn but never collided with: only ContainsPoint sees it, edges included.
TEST(PlatformCollision, SceneryIsOnlyAPlaceToPoint) {
    Platform scenery(0, 0, 20, 20);
    scenery.SetSolid(false);
    const SweepHit before{1, 2, 0.5f, nullptr, 3};
    SweepHit sweep = before;
    scenery.SweepBox({5, -20, 15, -10}, {5, 0, 15, 10}, sweep);
    EXPECT_EQ(Of(sweep), Of(before));
    Float4 rect{5, 5, 15, 15};
    PushResult push;
    scenery.PushOutRect(rect, push);
    EXPECT_EQ(rect, (Float4{5, 5, 15, 15}));
    EXPECT_EQ(push.platform, nullptr);
    EXPECT_TRUE(scenery.ContainsPoint(0, 20) && scenery.ContainsPoint(20, 0));
    EXPECT_FALSE(scenery.ContainsPoint(20.001f, 10) || scenery.ContainsPoint(10, -0.001f));
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
    } cases[] = {
        // Down: the bottom corners (or the one over the platform) land on the top; the centre
        // sits half a box above it.
        {kFloor, {10, 50, 30, 90}, {10, 70, 30, 110}, kSideTop, {20, 80}, 0.5f},
        {kFloor, {190, 50, 210, 90}, {190, 70, 210, 110}, kSideTop, {200, 80}, 0.5f},
        {{0, 0, 200, 20}, {10, 40, 30, 60}, {10, 10, 30, 30}, kSideBottom, {20, 30}, k23},  // up
        // Down-right: the bottom-right corner meets the left side; the top-right one (sides
        // only) passes above and the bottom-left one (top and bottom only) misses the top.
        {{50, 50, 150, 150}, {0, 25, 10, 35}, {60, 55, 70, 65}, kSideLeft, {45, 50}, k23},
        // Up-left: top-left and bottom-left corners reach the right side together; 0 wins.
        {{0, 0, 100, 100}, {140, 120, 160, 140}, {60, 40, 80, 60}, kSideRight, {110, 90}, 0.5f},
        // Down-left, by the bottom-left corner; up-right, by the top-right one.
        {{0, 100, 100, 200}, {120, 60, 140, 80}, {80, 120, 100, 140}, kSideRight, {110, 100}, 0.5f},
        {{50, 0, 150, 100}, {0, 75, 10, 85}, {60, 45, 70, 55}, kSideLeft, {45, 60}, k23},
        // A growing box: both bottom corners reach the top at t = 0.5 but give different
        // centres; the bottom-right corner (2) wins over the bottom-left one (3).
        {{-5, 15, 30, 30}, {0, 0, 10, 10}, {0, 10, 20, 20}, kSideTop, {10, 10}, 0.5f},
        // No contact: sideways only (no corner is followed, even through the platform);
        // arriving exactly on the top (t = 1); standing still; a box wider than the platform.
        {kFloor, {-50, 95, -30, 105}, {50, 95, 70, 105}, kSideNone, {}, 0},
        {kFloor, {10, 50, 30, 90}, {10, 60, 30, 100}, kSideNone, {}, 0},
        {kFloor, {10, 90, 30, 110}, {10, 90, 30, 110}, kSideNone, {}, 0},
        {kFloor, {-50, 50, 250, 90}, {-50, 130, 250, 170}, kSideNone, {}, 0},
    };
    const SweepHit before{7, 8, 0.25f, nullptr, 4};
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        const auto& c = cases[i];
        const Platform platform = Make(c.platform);
        SweepHit hit = before;
        platform.SweepBox(c.from, c.to, hit);
        const SweepHit expected =
            c.side == kSideNone ? before : SweepHit{c.centre.x, c.centre.y, c.t, &platform, c.side};
        EXPECT_EQ(Of(hit), Of(expected));
    }
}

TEST(PlatformCollision, PushOutLeavesByTheNearerSideInPercent) {
    constexpr Float4 kSquare{0, 0, 100, 100};
    const struct {
        const char* where;
        Float4 platform, rect, pushed;
        int side;
        bool ground;
    } cases[] = {
        // Dead centre: the percentages tie, which pushes sideways and to the left.
        {"centre", kSquare, {40, 40, 60, 60}, {-20, 40, 0, 60}, kSideLeft, false},
        {"right", kSquare, {90, 40, 110, 60}, {100, 40, 120, 60}, kSideRight, false},
        {"on top", kSquare, {40, -10, 60, 10}, {40, -20, 60, 0}, kSideTop, true},
        {"below", kSquare, {40, 90, 60, 110}, {40, 100, 60, 120}, kSideBottom, false},
        // 100 off centre across but only 25 % of the width, against 30 % of the height.
        {"wide", {0, 0, 400, 100}, {290, 10, 310, 30}, {290, -20, 310, 0}, kSideTop, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        const Platform platform = Make(c.platform);
        Float4 rect = c.rect;
        PushResult result;
        platform.PushOutRect(rect, result);
        EXPECT_EQ(rect, c.pushed);
        EXPECT_EQ(Of(result), std::tuple(&platform, c.side, c.ground ? &platform : nullptr));
    }
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
    const Segment shot{{0, 45}, {200, 45}};
    const auto missed = std::tuple(nullptr, 0, Vec2{200, 45}, 1.0f);
    ShotTrace trace;
    // Without a tree nothing is hit.
    map.TraceShot(shot, trace, kTracePlatforms);
    EXPECT_EQ(Of(trace), missed);
    EXPECT_FALSE(map.SegmentHitsPlatform(shot));
    Float4 rect{100, 40, 110, 50};
    PushResult result;
    map.CollideRect(rect, result);
    EXPECT_EQ(rect, (Float4{100, 40, 110, 50}));

    map.BuildQuadTree(GameMap::kTreeDepth);
    trace.player = 3;
    map.TraceShot(shot, trace, kTracePlatforms | kTracePlayers);
    EXPECT_EQ(Of(trace), std::tuple(&platforms[1], int{kSideLeft}, Vec2{100, 45}, 0.5f));
    EXPECT_EQ(trace.player, -1);
    // The flags reach each platform: without left and right sides this shot meets nothing;
    // without kTracePlatforms nothing is traced.
    map.TraceShot(shot, trace, kTracePlatforms | kSkipLeftAndRight);
    EXPECT_EQ(trace.platform, nullptr);
    map.TraceShot(shot, trace, kTracePlayers);
    EXPECT_EQ(Of(trace), missed);
    EXPECT_TRUE(map.SegmentHitsPlatform(shot));
    // A segment leaving the world is tested against every platform; scenery does not block.
    EXPECT_TRUE(map.SegmentHitsPlatform({{-100, 450}, {650, 450}}));
    EXPECT_FALSE(map.SegmentHitsPlatform({{40, 220}, {70, 220}}));
}

TEST(MapQueries, CollideRectPushesOncePerLeaf) {
    // Depth 1: four leaves. `shared` straddles x = 400 and so lies in the top two.
    GameMap map;
    std::vector<Platform>& platforms = map.Platforms();
    platforms = {Platform(380, 100, 420, 200), Platform(385, 60, 399, 85)};
    const Platform* shared = &platforms[0];
    map.BuildQuadTree(1);

    // Touching `shared` along its right edge only: nothing, and the result starts at zero.
    Float4 touching{420, 150, 440, 170};
    PushResult result{&platforms[1], 4, &platforms[1]};
    map.CollideRect(touching, result);
    EXPECT_EQ(touching, (Float4{420, 150, 440, 170}));
    EXPECT_EQ(Of(result), Of(PushResult{}));

    // Top-left leaf: `shared` pushes it up, the small platform back down into `shared`; then
    // the top-right leaf's `shared` pushes it up again.
    Float4 rect{395, 90, 405, 110};
    map.CollideRect(rect, result);
    EXPECT_EQ(rect, (Float4{395, 80, 405, 100}));
    EXPECT_EQ(Of(result), std::tuple(shared, int{kSideTop}, shared));
}
