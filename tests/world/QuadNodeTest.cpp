#include "world/QuadNode.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "support/RecordingRenderer.h"
#include "world/Float4Compare.h"
#include "world/Platform.h"
#include "world/View.h"

namespace {
constexpr Float4 kWorld{0, 0, 800, 600};

const QuadNode& Child(const QuadNode& node, std::size_t i) { return (*node.Children())[i]; }

std::vector<const Platform*> Pointers(const std::vector<Platform>& all,
                                      std::initializer_list<std::size_t> which) {
    std::vector<const Platform*> out;
    for (std::size_t i : which)
        out.push_back(&all[i]);
    return out;
}

std::vector<const QuadNode*> Leaves(QuadNode& root, const Float4& area) {
    std::vector<QuadNode*> list;
    root.CollectLeaves(area, list);
    return {list.begin(), list.end()};
}

// Built at depth 4 over kWorld, three platforms A, B, C give:
//   root (level 4) [A, B, C]
//     0 (0, 0, 400, 300) level 3 [A, B], split at (200, 150) into level-2 leaves:
//         00 [A]   01 [B]   02 []   03 []
//     1 (400, 0, 800, 300) level 3 [B]     B lies across x = 400
//     2 (0, 300, 400, 600) level 3 []
//     3 (400, 300, 800, 600) level 3 [C]
class BuiltTree : public ::testing::Test {
protected:
    void SetUp() override { root.Build(platforms, kWorld, 4); }

    std::vector<Platform> platforms{Platform(100, 100, 120, 120), Platform(390, 10, 410, 20),
                                    Platform(600, 450, 700, 500)};
    QuadNode root;
    const QuadNode& c0() const { return Child(root, 0); }
    const QuadNode& c1() const { return Child(root, 1); }
    const QuadNode& c3() const { return Child(root, 3); }
    const QuadNode& g0() const { return Child(c0(), 0); }
    const QuadNode& g1() const { return Child(c0(), 1); }
};
}  // namespace

// The shape of the tree (which nodes split, their levels) shows in the editor's drawing below.
TEST_F(BuiltTree, ListsWhatTouchesEachNode) {
    EXPECT_EQ(root.Platforms(), Pointers(platforms, {0, 1, 2}));
    EXPECT_EQ(c0().Platforms(), Pointers(platforms, {0, 1}));
    EXPECT_EQ(c1().Platforms(), Pointers(platforms, {1}));
    EXPECT_EQ(g1().Platforms(), Pointers(platforms, {1}));
    EXPECT_EQ(c3().Platforms(), Pointers(platforms, {2}));
}

TEST(QuadNode, BuildLimits) {
    // One platform: the root stays a leaf.
    std::vector<Platform> some{Platform(0, 100, 10, 110)};
    QuadNode root;
    root.Build(some, kWorld, 4);
    EXPECT_EQ(root.Children(), nullptr);
    EXPECT_EQ(root.Level(), 4);

    // Depth 0 keeps level 1 and never splits; scenery is listed like any platform.
    some.emplace_back(200, 200, 210, 210).SetSolid(false);
    root.Build(some, kWorld, 0);
    EXPECT_EQ(root.Children(), nullptr);
    EXPECT_EQ(root.Level(), 1);
    EXPECT_EQ(root.Platforms(), Pointers(some, {0, 1}));

    // Centres away from the origin.
    root.Build(some, {-100, 50, 300, 250}, 1);
    ASSERT_NE(root.Children(), nullptr);
    EXPECT_EQ(Child(root, 0).Rect(), (Float4{-100, 50, 100, 150}));
    EXPECT_EQ(Child(root, 3).Rect(), (Float4{100, 150, 300, 250}));

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
    const auto deepest = [&](Segment segment) {
        const QuadNode* node = &root;
        root.FindDeepest(segment, node);
        return node;
    };
    EXPECT_EQ(deepest({{10, 10}, {150, 140}}), &g0());
    EXPECT_EQ(deepest({{10, 10}, {50, 250}}), &c0());
    // Across the root's centre lines: the root and all its platforms.
    EXPECT_EQ(deepest({{100, 100}, {700, 500}}), &root);
    // On the line x = 400 both top quarters hold it; the later one wins.
    EXPECT_EQ(deepest({{400, 10}, {400, 100}}), &c1());
}

TEST_F(BuiltTree, CollectLeavesSkipsEmptyNodesAndMarksWhatItReturns) {
    const Float4 wide{150, 100, 650, 500};
    EXPECT_EQ(Leaves(root, wide), (std::vector<const QuadNode*>{&g0(), &g1(), &c1(), &c3()}));
    EXPECT_TRUE(g0().Marked());
    EXPECT_FALSE(root.Marked() || c0().Marked() || Child(c0(), 2).Marked());

    // Only an empty node overlapped: nothing, not even its parent.
    const Float4 inEmpty{10, 160, 50, 200};
    EXPECT_TRUE(Leaves(root, inEmpty).empty());
    // Touching x = 400 from the right does not overlap the left quarter.
    const Float4 onLine{400, 10, 500, 20};
    EXPECT_EQ(Leaves(root, onLine), (std::vector<const QuadNode*>{&c1()}));
    // Outside the world no child overlaps, so the root itself is returned.
    const Float4 outside{1000, 1000, 1100, 1100};
    EXPECT_EQ(Leaves(root, outside), (std::vector<const QuadNode*>{&root}));
}

namespace {
std::string Text(const char* what, const std::vector<float>& numbers, Colour colour) {
    std::ostringstream out;
    out << what;
    for (const float n : numbers)
        out << ' ' << n;
    out << " rgba " << int{colour.r} << ',' << int{colour.g} << ',' << int{colour.b} << ','
        << int{colour.a};
    return out.str();
}

// Fills, lines (their width last) and smoothing, as text.
std::vector<std::string> Drawn(const RecordingRenderer& renderer) {
    std::vector<std::string> out;
    for (const auto& c : renderer.Calls()) {
        const bool fill = c.kind == RecordingRenderer::Kind::FillRect;
        if (c.kind == RecordingRenderer::Kind::LineSmooth)
            out.push_back(c.v[0] != 0.0f ? "smooth on" : "smooth off");
        else
            out.push_back(Text(fill ? "fill" : "line", {c.v, c.v + (fill ? 4 : 5)}, c.colour));
    }
    return out;
}

// What one node draws, given its rectangle on screen: a red fill when it holds nothing, then a
// green outline as wide as its level, smoothed.
void ExpectNode(std::vector<std::string>& out, Float4 r, int level, bool empty) {
    if (empty) out.push_back(Text("fill", {r.x1, r.y1, r.x2, r.y2}, {255, 0, 0, 255}));
    out.push_back("smooth on");
    const Vec2 c[] = {{r.x1, r.y1}, {r.x2, r.y1}, {r.x2, r.y2}, {r.x1, r.y2}, {r.x1, r.y1}};
    for (int i = 0; i < 4; ++i) {
        const std::vector<float> line{c[i].x, c[i].y, c[i + 1].x, c[i + 1].y, float(level)};
        out.push_back(Text("line", line, {0, 255, 0, 255}));
    }
    out.push_back("smooth off");
}
}  // namespace

TEST_F(BuiltTree, DrawDebugDrawsEveryNodeChildrenFirstOrOnlyTheMarkedOnesUntilCleared) {
    RecordingRenderer renderer;
    View view(renderer, nullptr);
    root.DrawDebug(view, true);  // the editor's view
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

    // The match's view: only what CollectLeaves marked, through the scroll offset, drawn alike
    // every time until the marks are cleared.
    view.SetOffset(100, 50);
    ASSERT_EQ(Leaves(root, {10, 10, 50, 50}).size(), 1u);
    expected.clear();
    ExpectNode(expected, {-100, -50, 100, 100}, 2, false);
    for (int draw = 0; draw < 2; ++draw) {
        renderer.Clear();
        root.DrawDebug(view, false);
        EXPECT_EQ(Drawn(renderer), expected);
    }
    EXPECT_EQ(renderer.LineWidth(), 1.0f);
    renderer.Clear();
    root.ClearMarks();
    root.DrawDebug(view, false);
    EXPECT_TRUE(renderer.Calls().empty());
}
