#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <vector>

#include "core/Random.h"
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

namespace {
// A float step either way, or none.
float Nudge(float v) {
    const int way = RandomInt() % 3;
    return way == 0 ? v : std::nextafter(v, way == 1 ? -1e30f : 1e30f);
}

// A 1600 x 1200 world whose depth-4 leaves are 100 x 75: on a 25-unit grid, platform edges
// fall on node edges and on each other, so equal hits and touching corners are common; some
// edges lie a float step off, just clear of a node. Most platforms crowd the top-left 400 x 300,
// so that walks go down to the leaves there. Some stick out of the world, some are long, some
// are scenery.
void FillGridWorld(GameMap& map) {
    map.Contents().bounds = Float4{0, 0, 1600, 1200};
    const auto grid = [](int cells) { return static_cast<float>(RandomInt() % cells * 25); };
    for (int i = 0; i < 700; ++i) {
        const bool crowd = i % 3 != 0;
        const float x = grid(crowd ? 16 : 66) - 25, y = grid(crowd ? 12 : 50) - 25;
        const bool longOne = i % 20 == 0;
        const float x2 = x + grid(longOne ? 40 : 6) + 25, y2 = y + grid(longOne ? 30 : 3) + 25;
        Platform& p = i % 3 == 1
                          ? map.Platforms().emplace_back(x, y, x2, y2)
                          : map.Platforms().emplace_back(Nudge(x), Nudge(y), Nudge(x2), Nudge(y2));
        p.SetSolid(i % 17 != 0);
    }
}

// From anywhere around the world or the crowd, grid points or not, any length down to none;
// some along a grid line, node edges among them; some grazing a platform's corner to within
// float steps, where the platform test's rounding decides.
Segment RandomSegment(const PlatformList& platforms) {
    const auto spot = [](float low, float high) {
        const int steps = static_cast<int>((high - low) / 25);
        return RandomInt() % 2 == 0 ? RandomRange(low, high)
                                    : low + static_cast<float>(RandomInt() % steps * 25);
    };
    const bool crowd = RandomInt() % 2 == 0;
    const Vec2 a =
        crowd ? Vec2{spot(-50, 450), spot(-50, 350)} : Vec2{spot(-400, 2000), spot(-300, 1500)};
    const float reach = RandomInt() % 3 == 0 ? 3000.0f : 150.0f;
    Vec2 b{a.x + spot(-reach, reach), a.y + spot(-reach, reach)};
    const int kind = RandomInt() % 8;
    if (kind == 0) b = a;
    if (kind == 1) b.x = a.x;
    if (kind == 2) b.y = a.y;
    if (kind > 4) {
        const Float4& r = AnyOf(platforms).Rect();
        const Vec2 corner{Nudge(RandomInt() % 2 == 0 ? r.x1 : r.x2),
                          Nudge(RandomInt() % 2 == 0 ? r.y1 : r.y2)};
        b = corner + (corner - a) * static_cast<float>(RandomInt() % 2);
    }
    return {a, b};
}

// What the tree must answer: every platform the tree holds (those touching the world), in map
// order, a later hit kept only when nearer.
ShotTrace ScanAll(const GameMap& map, const Segment& s, int flags, bool& any) {
    ShotTrace trace;
    trace.point = s.b;
    any = false;
    SegmentHit hit;
    for (const Platform* platform : map.Tree()->Platforms()) {
        platform->IntersectSegment(s, hit, flags);
        any = any || hit.platform != nullptr;
        if (hit.platform == nullptr || !(hit.t < trace.t)) continue;
        trace = ShotTrace{s.a, s.b, {hit.x, hit.y}, hit.t, hit.platform, hit.side};
    }
    return trace;
}
}  // namespace

// The segment queries walk only the nodes a segment passes, but answer as the plain scan does;
// an inverted platform makes the tree unfit to walk, which must not change the answers either.
TEST(MapQueries, SegmentQueriesAnswerAsThePlainScan) {
    SeedRandom(24);
    for (const bool inverted : {false, true}) {
        GameMap map;
        FillGridWorld(map);
        if (inverted) map.Platforms().emplace_back(300, 300, 200, 400);
        map.BuildQuadTree(GameMap::kTreeDepth);
        ASSERT_EQ(map.Tree()->Walkable(), !inverted);
        std::vector<Segment> shots{{{-1e20f, 5}, {1e20f, 5}}, {{NAN, 5}, {800, 5}}};
        for (int i = 0; i < (inverted ? 300 : 3000); ++i)
            shots.push_back(RandomSegment(map.Platforms()));
        for (const Segment& shot : shots) {
            for (const int flags : {1, 1 | kSkipTopAndBottom, 1 | kSkipLeftAndRight}) {
                bool any = false;
                const ShotTrace expected = ScanAll(map, shot, flags, any);
                ShotTrace trace;
                map.TraceShot(shot, trace, flags);
                ASSERT_EQ(Of(trace), Of(expected)) << shot.a << shot.b << " flags " << flags;
                if (flags == 1) {
                    ASSERT_EQ(map.SegmentHitsPlatform(shot), any) << shot.a << shot.b;
                }
            }
        }
    }
}

// This shot passes a hair below the node corner (800, 600), yet the platform test's rounding
// makes it hit a platform a float step inside that corner: the node across the corner holding
// the platform must still be tested.
TEST(MapQueries, ANearMissThatRoundsToAHitStaysAHit) {
    GameMap map;
    map.Contents().bounds = Float4{0, 0, 1600, 1200};
    for (int i = 0; i < 70; ++i)  // enough that the tree is walked
        map.Platforms().emplace_back(static_cast<float>(i * 5), 10.0f,
                                     static_cast<float>(i * 5 + 3), 15.0f);
    const Platform& inside = map.Platforms().emplace_back(std::nextafter(800.0f, 900.0f), 500, 900,
                                                          std::nextafter(600.0f, 0.0f));
    map.BuildQuadTree(GameMap::kTreeDepth);
    const Segment shot{{-322.938721f, 18.7484131f}, {808.881042f, 604.596985f}};
    ShotTrace trace;
    map.TraceShot(shot, trace, kTracePlatforms);
    EXPECT_EQ(trace.platform, &inside);
    EXPECT_TRUE(map.SegmentHitsPlatform(shot));
}
