// The animation sets the build makes from assets/anims, loaded as the game loads them: whole,
// with every animation the match plays fit to be played and standing on the ground.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "player/AnimationSet.h"
#include "support/FileText.h"

namespace {

constexpr float kStepsPerSecond = 80.0f;
constexpr float kGround = 12.0f;  // the bottom of the body box
constexpr int kPlayed = 3;        // the animations the match plays

template <std::size_t N>
AnimationSet<N> LoadBuilt(const char* name) {
    const std::string text = ReadAll(std::filesystem::path(BRAWLWICK_BASE_DIR) / name);
    const std::vector<std::uint8_t> bytes(text.begin(), text.end());
    AnimationSet<N> set;
    const AnimationLoadReport report = set.Load(bytes);
    EXPECT_EQ(report.recordsRead, 10) << name;
    EXPECT_TRUE(report.problems.empty()) << name << ": " << report.problems.front();
    for (int index = 0; index < kPlayed; ++index) {
        EXPECT_GE(set.Get(index).frames.size(), 2u) << name << " " << set.Name(index);
        EXPECT_GT(set.Get(index).speed, 0.0f) << name << " " << set.Name(index);
    }
    return set;
}

// Seconds to play every frame once, as a one-shot does, and round once, as a loop does.
template <std::size_t N>
float OnceSeconds(const Animation<N>& animation) {
    return static_cast<float>(animation.frames.size() - 1) / animation.speed / kStepsPerSecond;
}
template <std::size_t N>
float LoopSeconds(const Animation<N>& animation) {
    return static_cast<float>(animation.frames.size()) / animation.speed / kStepsPerSecond;
}

}  // namespace

TEST(BuiltAnimations, TheLegsStandRunAndCrouchOnTheGround) {
    const LowerAnimationSet set = LoadBuilt<6>("LDefault.bwv");
    for (int index = 0; index < kPlayed; ++index) {
        SCOPED_TRACE(set.Name(index));
        for (const LowerPose& frame : set.Get(index).frames) {
            const float left = frame.Point(4).y;
            const float right = frame.Point(5).y;
            EXPECT_LE(std::max(left, right), kGround + 0.01f);     // no foot sinks in
            EXPECT_GE(std::max(left, right), kGround - 0.5f);      // nor floats above it
            EXPECT_LT(frame.Point(0).y, frame.Point(1).y - 8.0f);  // the neck above the hip
        }
    }
    const Animation<6>& running = set.Get(1);
    EXPECT_GE(running.frames.size(), 6u);
    EXPECT_GE(LoopSeconds(running), 0.5f);
    EXPECT_LE(LoopSeconds(running), 1.0f);
    // The legs take turns: each foot is the front one somewhere in the cycle.
    const auto leftAhead = [](const LowerPose& f) { return f.Point(4).x < f.Point(5).x; };
    EXPECT_TRUE(std::any_of(running.frames.begin(), running.frames.end(), leftAhead));
    EXPECT_FALSE(std::all_of(running.frames.begin(), running.frames.end(), leftAhead));
    // Crouching lowers the head.
    EXPECT_GT(set.Get(2).frames[0].Point(0).y, set.Get(0).frames[0].Point(0).y + 4.0f);
}

TEST(BuiltAnimations, TheArmsHoldTheGunForwardAndTheOneShotsEndWhereNormalStarts) {
    const UpperAnimationSet set = LoadBuilt<5>("UDefault.bwv");
    const UpperPose& rest = set.Get(0).frames.front();
    for (const UpperPose& frame : set.Get(0).frames)
        EXPECT_LT(frame.Point(3).x, -4.0f);  // the weapon hand ahead of the body
    // The match plays Normal from its first frame after either, so the arms do not jump.
    for (const int index : {1, 2}) {
        SCOPED_TRACE(set.Name(index));
        EXPECT_EQ(set.Get(index).frames.back().Points(), rest.Points());
        EXPECT_LT(OnceSeconds(set.Get(index)), 2.0f);
    }
    EXPECT_LT(OnceSeconds(set.Get(1)), 0.5f);  // a recoil is over before the next shot
}
