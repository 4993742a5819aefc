// The animation sets the build makes from assets/anims, loaded as the game loads them: whole,
// with every animation the match plays fit to be played and standing on the ground.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "player/AnimationSet.h"
#include "support/FileText.h"

namespace {
constexpr int kPlayed = 3;  // the animations the match plays

template <std::size_t N>
AnimationSet<N> LoadBuilt(const char* name) {
    const std::string text = ReadAll(std::filesystem::path(BRAWLWICK_BASE_DIR) / name);
    AnimationSet<N> set;
    const AnimationLoadReport report =
        set.Load(std::vector<std::uint8_t>(text.begin(), text.end()));
    EXPECT_EQ(report.recordsRead, 10) << name;
    EXPECT_TRUE(report.problems.empty()) << name << ": " << report.problems.front();
    for (int index = 0; index < kPlayed; ++index) {
        EXPECT_GE(set.Get(index).frames.size(), 2u) << name << " " << set.Name(index);
        EXPECT_GT(set.Get(index).speed, 0.0f) << name << " " << set.Name(index);
    }
    return set;
}
}  // namespace

TEST(BuiltAnimations, TheFeetStayOnTheGroundAndTheArmsEndTheirOneShotsWhereNormalStarts) {
    const LowerAnimationSet legs = LoadBuilt<6>("LDefault.bwv");
    for (int index = 0; index < kPlayed; ++index) {
        SCOPED_TRACE(legs.Name(index));
        for (const LowerPose& frame : legs.Get(index).frames) {
            const float lower = std::max(frame.Point(4).y, frame.Point(5).y);
            EXPECT_LE(lower, 12.01f);  // no foot sinks below the body box
            EXPECT_GE(lower, 11.5f);   // nor floats above it
        }
    }
    // The match plays Normal from its first frame after either, so the arms do not jump.
    const UpperAnimationSet arms = LoadBuilt<5>("UDefault.bwv");
    for (const int index : {1, 2})
        EXPECT_EQ(arms.Get(index).frames.back().Points(), arms.Get(0).frames.front().Points());
}
