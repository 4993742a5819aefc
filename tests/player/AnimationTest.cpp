#include <gtest/gtest.h>

#include <utility>

#include "player/AnimationSet.h"

namespace {
// A set whose animation `index` has the given frames, each with every point at (v, v), so a
// blend shows as one number.
template <std::size_t N>
AnimationSet<N> SetWith(int index, std::initializer_list<float> values, float speed) {
    AnimationSet<N> set;
    auto& animation = set.Get(index);
    animation.frames.clear();
    for (float v : values) {
        Pose<N>& pose = animation.frames.emplace_back();
        for (Vec2& p : pose.Points())
            p = Vec2{v, v};
    }
    animation.speed = speed;
    return set;
}
}  // namespace

TEST(AnimationTest, ALoopHeadsBackFromTheLastFrameToTheFirst) {
    const LowerAnimationSet set = SetWith<6>(0, {0.0f, 100.0f}, 0.008f);
    AnimationState state;
    LowerPose pose;
    for (int i = 0; i < 126; ++i)
        EXPECT_FALSE(set.Animate(pose, state, 1.0f));
    EXPECT_EQ(std::pair(state.current, state.next), std::pair(1, 0));
    for (int i = 126; i < 251; ++i)
        set.Animate(pose, state, 1.0f);
    EXPECT_EQ(std::pair(state.current, state.next), std::pair(0, 1));
}

TEST(AnimationTest, HugeStepsPassSeveralFramesWithoutSpinningTheLoop) {
    const LowerAnimationSet set = SetWith<6>(1, {0.0f, 10.0f, 20.0f, 30.0f}, 0.5f);
    AnimationState state;
    LowerPose pose;
    state.Set(1, -1);
    set.Animate(pose, state, 4.5f);  // several frames in one step
    EXPECT_EQ(state.current, 2);
    // A step in the billions must not spin the loop; the frames simply come round again. Phases
    // past a float's precision and speeds that overflow it are seeds of the animation file fuzz.
    set.Animate(pose, state, 1e30f);
    EXPECT_TRUE(state.phase >= 0.0f && state.phase <= 1.0f) << state.phase;
    EXPECT_TRUE(state.current >= 0 && state.current < 4 && state.next >= 0 && state.next < 4);
}

TEST(AnimationTest, AOneShotEndsOnItsLastPoseAndSwitchesToItsFollowUp) {
    UpperAnimationSet set = SetWith<5>(1, {0.0f, 10.0f, 20.0f}, 0.6f);
    AnimationState state;
    state.Set(1, 0);
    UpperPose pose;
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(set.Animate(pose, state, 1.0f));
    // The wrap ends it, and that update still shows the one-shot's pose at phase 0.
    EXPECT_TRUE(set.Animate(pose, state, 1.0f));
    EXPECT_FLOAT_EQ(pose.Point(0).x, 20.0f);
    EXPECT_EQ(state.animation, 0);
    EXPECT_EQ(state.followUp, -1);
}

TEST(AnimationTest, ShortOrStaleAnimationsNeverReadOutsideTheirFrames) {
    LowerAnimationSet set = SetWith<6>(3, {7.0f}, 0.5f);
    set.Get(4).frames.clear();
    AnimationState state;
    LowerPose pose;
    state.Set(3, -1);
    set.Animate(pose, state, 1.0f);
    EXPECT_FLOAT_EQ(pose.Point(0).x, 7.0f);
    state.Set(4, -1);
    set.Animate(pose, state, 1.0f);
    EXPECT_FLOAT_EQ(pose.Point(0).x, 7.0f);  // nothing to show: the pose stays

    // A state left pointing past the frames (the set changed under it) starts over.
    state.Set(0, -1);
    state.current = 5;
    state.next = 6;
    set.Animate(pose, state, 0.0f);
    EXPECT_EQ(state.current, 0);
    state.Set(42, 0);
    set.Animate(pose, state, 0.0f);
    EXPECT_EQ(state.animation, 0);
}
