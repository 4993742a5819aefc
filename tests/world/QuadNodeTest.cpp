#include "world/QuadNode.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/RecordingRenderer.h"
#include "world/Platform.h"
#include "world/PlatformList.h"
#include "world/View.h"

namespace {
constexpr Float4 kWorld{0, 0, 800, 600};

const QuadNode& Child(const QuadNode& node, std::size_t i) { return (*node.Children())[i]; }

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

    PlatformList platforms{Platform(100, 100, 120, 120), Platform(390, 10, 410, 20),
                           Platform(600, 450, 700, 500)};
    QuadNode root;
    const QuadNode& c0() const { return Child(root, 0); }
    const QuadNode& c1() const { return Child(root, 1); }
};
}  // namespace

// B lies across x = 400, so both top quarters list it and return it as a leaf.
TEST_F(BuiltTree, CollectLeavesSkipsEmptyNodesAndMarksWhatItReturns) {
    const QuadNode &g0 = Child(c0(), 0), &g1 = Child(c0(), 1);
    EXPECT_EQ(Leaves(root, {150, 100, 650, 500}),
              (std::vector<const QuadNode*>{&g0, &g1, &c1(), &Child(root, 3)}));
    EXPECT_TRUE(g0.Marked());
    EXPECT_FALSE(root.Marked() || c0().Marked() || Child(c0(), 2).Marked());

    // Only an empty node overlapped: nothing, not even its parent.
    EXPECT_TRUE(Leaves(root, {10, 160, 50, 200}).empty());
    // Touching x = 400 from the right does not overlap the left quarter.
    EXPECT_EQ(Leaves(root, {400, 10, 500, 20}), (std::vector<const QuadNode*>{&c1()}));
}

// Only what CollectLeaves marked, through the scroll offset: leaf 00, (0, 0, 200, 150) at level
// 2, outlined in green as wide as its level, until the marks are cleared.
TEST_F(BuiltTree, DrawDebugDrawsTheMarkedNodesUntilTheMarksAreCleared) {
    RecordingRenderer renderer;
    View view(renderer, nullptr);
    view.SetOffset(100, 50);
    ASSERT_EQ(Leaves(root, {10, 10, 50, 50}).size(), 1u);
    root.DrawDebug(view, false);
    const auto lines = renderer.CallsOf(RecordingRenderer::Kind::Line);
    ASSERT_EQ(renderer.Calls().size(), 4u);
    EXPECT_EQ(std::vector(lines[0].v, lines[0].v + 5),
              (std::vector<float>{-100, -50, 100, -50, 2}));
    EXPECT_EQ(std::pair(lines[0].colour, renderer.LineWidth()), std::pair(Colour{0, 255}, 1.0f));
    renderer.Clear();
    root.ClearMarks();
    root.DrawDebug(view, false);
    EXPECT_TRUE(renderer.Calls().empty());
}
