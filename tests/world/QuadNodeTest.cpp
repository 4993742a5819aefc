#include "world/QuadNode.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "support/RecordingRenderer.h"
#include "world/Platform.h"
#include "world/View.h"

namespace {
constexpr Float4 kWorld{0, 0, 800, 600};

// Built at depth 4 over kWorld, this gives:
//   root (level 4) [A, B, C]
//     0 (0, 0, 400, 300) level 3 [A, B], split at (200, 150) into level-2 leaves:
//         00 [A]   01 [B]   02 []   03 []
//     1 (400, 0, 800, 300) level 3 [B]     B lies across x = 400
//     2 (0, 300, 400, 600) level 3 []
//     3 (400, 300, 800, 600) level 3 [C]
std::vector<Platform> ThreePlatforms() {
    return {Platform(100, 100, 120, 120), Platform(390, 10, 410, 20), Platform(600, 450, 700, 500)};
}

const QuadNode& Child(const QuadNode& node, std::size_t i) { return (*node.Children())[i]; }

std::vector<const Platform*> Pointers(const std::vector<Platform>& all,
                                      std::initializer_list<std::size_t> which) {
    std::vector<const Platform*> out;
    for (std::size_t i : which)
        out.push_back(&all[i]);
    return out;
}

void ExpectRect(const Float4& r, const Float4& expected) {
    EXPECT_EQ(r.x1, expected.x1);
    EXPECT_EQ(r.y1, expected.y1);
    EXPECT_EQ(r.x2, expected.x2);
    EXPECT_EQ(r.y2, expected.y2);
}

const QuadNode* Deepest(const QuadNode& root, Segment segment) {
    const QuadNode* node = &root;
    root.FindDeepest(segment, node);
    return node;
}

std::vector<const QuadNode*> Leaves(QuadNode& root, const Float4& a, const Float4& b) {
    std::vector<QuadNode*> list;
    root.CollectLeaves(a, b, list);
    return {list.begin(), list.end()};
}

class BuiltTree : public ::testing::Test {
protected:
    void SetUp() override { root.Build(platforms, kWorld, 4); }

    std::vector<Platform> platforms = ThreePlatforms();
    QuadNode root;
    const QuadNode& c0() const { return Child(root, 0); }
    const QuadNode& c1() const { return Child(root, 1); }
    const QuadNode& c3() const { return Child(root, 3); }
    const QuadNode& g0() const { return Child(c0(), 0); }
    const QuadNode& g1() const { return Child(c0(), 1); }
};
}  // namespace

TEST_F(BuiltTree, SplitsOnlyNodesHoldingTwoPlatforms) {
    EXPECT_EQ(root.Level(), 4);
    EXPECT_EQ(root.Platforms(), Pointers(platforms, {0, 1, 2}));
    const Float4 quarters[] = {
        {0, 0, 400, 300}, {400, 0, 800, 300}, {0, 300, 400, 600}, {400, 300, 800, 600}};
    for (std::size_t i = 0; i < 4; ++i) {
        ExpectRect(Child(root, i).Rect(), quarters[i]);
        EXPECT_EQ(Child(root, i).Level(), 3);
    }
    EXPECT_EQ(c0().Platforms(), Pointers(platforms, {0, 1}));
    EXPECT_EQ(c1().Platforms(), Pointers(platforms, {1}));
    EXPECT_TRUE(Child(root, 2).Platforms().empty());
    EXPECT_EQ(c1().Children(), nullptr);
    EXPECT_EQ(Child(root, 2).Children(), nullptr);
    // The level is set before the two-platform limit stops a node.
    ExpectRect(g1().Rect(), {200, 0, 400, 150});
    EXPECT_EQ(g1().Level(), 2);
    EXPECT_EQ(g1().Platforms(), Pointers(platforms, {1}));
    EXPECT_EQ(g1().Children(), nullptr);
}

TEST(QuadNode, BuildLimits) {
    // One platform: the root stays a leaf.
    std::vector<Platform> one{Platform(10, 10, 20, 20)};
    QuadNode root;
    root.Build(one, kWorld, 4);
    EXPECT_EQ(root.Children(), nullptr);
    EXPECT_EQ(root.Level(), 4);

    // Depth 0 keeps level 1 and never splits; scenery is listed like any platform.
    std::vector<Platform> three = ThreePlatforms();
    three[2].SetSolid(false);
    root.Build(three, kWorld, 0);
    EXPECT_EQ(root.Children(), nullptr);
    EXPECT_EQ(root.Level(), 1);
    EXPECT_EQ(root.Platforms().size(), 3u);

    // Centres away from the origin; nodes built at depth 0 keep level 1.
    const std::vector<Platform> two{Platform(0, 100, 10, 110), Platform(200, 200, 210, 210)};
    root.Build(two, {-100, 50, 300, 250}, 1);
    ASSERT_NE(root.Children(), nullptr);
    ExpectRect(Child(root, 0).Rect(), {-100, 50, 100, 150});
    ExpectRect(Child(root, 3).Rect(), {100, 150, 300, 250});
    EXPECT_EQ(Child(root, 3).Level(), 1);

    // An inverted world still lists, in each node, whatever touches it by the same test,
    // even a platform that does not touch the root.
    std::vector<Platform> wide{Platform(-1000, -1000, 1000, 1000), Platform(100, 100, 900, 700)};
    root.Build(wide, {800, 600, 0, 0}, 1);
    EXPECT_EQ(root.Platforms(), Pointers(wide, {0}));
    EXPECT_EQ(root.Children(), nullptr);
    wide.push_back(Platform(-5, -5, 805, 605));
    root.Build(wide, {800, 600, 0, 0}, 1);
    ASSERT_NE(root.Children(), nullptr);
    EXPECT_EQ(Child(root, 0).Platforms(), Pointers(wide, {0, 1, 2}));
}

TEST_F(BuiltTree, FindDeepestKeepsTheLastNodeHoldingBothEnds) {
    EXPECT_EQ(Deepest(root, {{10, 10}, {150, 140}}), &g0());
    EXPECT_EQ(Deepest(root, {{10, 10}, {50, 250}}), &c0());
    // Across the root's centre lines, or out of the world: the root and all its platforms.
    EXPECT_EQ(Deepest(root, {{100, 100}, {700, 500}}), &root);
    EXPECT_EQ(Deepest(root, {{10, 10}, {-50, 10}}), &root);
    // On the line x = 400 both top quarters hold it; the later one wins.
    EXPECT_EQ(Deepest(root, {{400, 10}, {400, 100}}), &c1());
}

TEST_F(BuiltTree, CollectLeavesSkipsEmptyNodesAndMarksWhatItReturns) {
    const Float4 wide{150, 100, 650, 500};
    EXPECT_EQ(Leaves(root, wide, wide), (std::vector<const QuadNode*>{&g0(), &g1(), &c1(), &c3()}));
    EXPECT_TRUE(g0().Marked());
    EXPECT_TRUE(c3().Marked());
    EXPECT_FALSE(root.Marked());
    EXPECT_FALSE(c0().Marked());
    EXPECT_FALSE(Child(c0(), 2).Marked());

    // Only an empty node overlapped: nothing, not even its parent.
    const Float4 inEmpty{10, 160, 50, 200};
    EXPECT_TRUE(Leaves(root, inEmpty, inEmpty).empty());
    // Touching x = 400 from the right does not overlap the left quarter.
    const Float4 onLine{400, 10, 500, 20};
    EXPECT_EQ(Leaves(root, onLine, onLine), (std::vector<const QuadNode*>{&c1()}));
    // A child must overlap both rectangles.
    EXPECT_EQ(Leaves(root, {10, 10, 500, 50}, {450, 10, 460, 20}),
              (std::vector<const QuadNode*>{&c1()}));
    // Outside the world no child overlaps, so the root itself is returned.
    const Float4 outside{1000, 1000, 1100, 1100};
    EXPECT_EQ(Leaves(root, outside, outside), (std::vector<const QuadNode*>{&root}));

    QuadNode empty;
    empty.Build({}, kWorld, 4);
    EXPECT_TRUE(Leaves(empty, outside, outside).empty());
}

namespace {
std::string Describe(const RecordingRenderer::Call& call) {
    std::ostringstream out;
    const auto colour = [&] {
        out << " rgba " << int{call.colour.r} << ',' << int{call.colour.g} << ','
            << int{call.colour.b} << ',' << int{call.colour.a};
    };
    switch (call.kind) {
        case RecordingRenderer::Kind::LineSmooth:
            out << (call.v[0] != 0.0f ? "smooth on" : "smooth off");
            break;
        case RecordingRenderer::Kind::FillRect:
            out << "fill " << call.v[0] << ' ' << call.v[1] << ' ' << call.v[2] << ' ' << call.v[3];
            colour();
            break;
        case RecordingRenderer::Kind::Line:
            out << "line " << call.v[0] << ' ' << call.v[1] << ' ' << call.v[2] << ' ' << call.v[3]
                << " width " << call.v[4];
            colour();
            break;
        default:
            out << "other";
    }
    return out.str();
}

std::vector<std::string> Drawn(const RecordingRenderer& renderer) {
    std::vector<std::string> out;
    for (const auto& call : renderer.Calls())
        out.push_back(Describe(call));
    return out;
}

// What one node should draw, given its rectangle on screen.
void ExpectNode(std::vector<std::string>& out, Float4 r, int level, bool empty) {
    std::ostringstream s;
    s << r.x1 << ' ' << r.y1 << ' ' << r.x2 << ' ' << r.y2;
    if (empty) out.push_back("fill " + s.str() + " rgba 255,0,0,255");
    out.push_back("smooth on");
    const float corners[5][2] = {
        {r.x1, r.y1}, {r.x2, r.y1}, {r.x2, r.y2}, {r.x1, r.y2}, {r.x1, r.y1}};
    for (int i = 0; i < 4; ++i) {
        std::ostringstream line;
        line << "line " << corners[i][0] << ' ' << corners[i][1] << ' ' << corners[i + 1][0] << ' '
             << corners[i + 1][1] << " width " << level << " rgba 0,255,0,255";
        out.push_back(line.str());
    }
    out.push_back("smooth off");
}
}  // namespace

TEST_F(BuiltTree, DrawDebugDrawsMarkedNodesThroughTheViewAndClearsThem) {
    RecordingRenderer renderer;
    View view(renderer, nullptr);
    view.SetOffset(100, 50);
    const Float4 inFirst{10, 10, 50, 50};
    ASSERT_EQ(Leaves(root, inFirst, inFirst).size(), 1u);
    root.DrawDebug(view, false);
    std::vector<std::string> expected;
    ExpectNode(expected, {-100, -50, 100, 100}, 2, false);
    EXPECT_EQ(Drawn(renderer), expected);
    EXPECT_EQ(renderer.LineWidth(), 1.0f);
    EXPECT_FALSE(renderer.LineSmooth());
    EXPECT_FALSE(g0().Marked());

    renderer.Clear();
    root.DrawDebug(view, false);
    EXPECT_TRUE(renderer.Calls().empty());
}

TEST_F(BuiltTree, DrawDebugDrawsEveryNodeChildrenFirstForTheEditor) {
    RecordingRenderer renderer;
    View view(renderer, nullptr);
    root.DrawDebug(view, true);
    std::vector<std::string> expected;
    ExpectNode(expected, {0, 0, 200, 150}, 2, false);
    ExpectNode(expected, {200, 0, 400, 150}, 2, false);
    ExpectNode(expected, {0, 150, 200, 300}, 2, true);
    ExpectNode(expected, {200, 150, 400, 300}, 2, true);
    ExpectNode(expected, {0, 0, 400, 300}, 3, false);
    ExpectNode(expected, {400, 0, 800, 300}, 3, false);
    ExpectNode(expected, {0, 300, 400, 600}, 3, true);
    ExpectNode(expected, {400, 300, 800, 600}, 3, false);
    ExpectNode(expected, kWorld, 4, false);
    EXPECT_EQ(Drawn(renderer), expected);
}
