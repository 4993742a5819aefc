#include <gtest/gtest.h>

#include <cmath>

#include "player/AnimationSet.h"
#include "render/Colour.h"
#include "support/RecordingRenderer.h"
#include "world/View.h"

namespace {
// A pose whose every point is (v, v), so a blend shows as one number.
template <std::size_t N>
Pose<N> Flat(float v) {
    Pose<N> pose;
    for (Vec2& p : pose.Points())
        p = Vec2{v, v};
    return pose;
}

// Lower set whose animation `index` has the given frames, each flat at its own value.
LowerAnimationSet SetWith(int index, std::initializer_list<float> values, float speed) {
    LowerAnimationSet set;
    auto& animation = set.Get(index);
    animation.frames.clear();
    for (float v : values)
        animation.frames.push_back(Flat<6>(v));
    animation.speed = speed;
    return set;
}
}  // namespace

TEST(AnimationTest, LoopingTwoFramesTakes125StepsEachWay) {
    const LowerAnimationSet set = SetWith(0, {0.0f, 100.0f}, 0.008f);
    AnimationState state;
    LowerPose pose;
    for (int i = 0; i < 62; ++i)
        EXPECT_FALSE(set.Animate(pose, state, 1.0f));
    EXPECT_NEAR(pose.Point(0).x, 49.6f, 0.01f);  // half way from frame 0 to frame 1
    for (int i = 62; i < 126; ++i)
        set.Animate(pose, state, 1.0f);
    // Past the first 125 steps the figure heads back from the last frame to the first.
    EXPECT_EQ(state.current, 1);
    EXPECT_EQ(state.next, 0);
    for (int i = 126; i < 250; ++i)
        set.Animate(pose, state, 1.0f);
    EXPECT_LT(pose.Point(0).x, 5.0f);
    set.Animate(pose, state, 1.0f);
    EXPECT_EQ(state.current, 0);
    EXPECT_EQ(state.next, 1);
}

TEST(AnimationTest, LargeStepsAdvanceSeveralFramesAndKeepTheRest) {
    const LowerAnimationSet set = SetWith(1, {0.0f, 10.0f, 20.0f, 30.0f}, 0.5f);
    AnimationState state;
    state.Set(1, -1);
    LowerPose pose;
    set.Animate(pose, state, 4.5f);  // phase 2.25: two frames on, a quarter into the third
    EXPECT_EQ(state.current, 2);
    EXPECT_EQ(state.next, 3);
    EXPECT_FLOAT_EQ(state.phase, 0.25f);
    EXPECT_FLOAT_EQ(pose.Point(0).x, 22.5f);

    // A step in the billions must not spin the loop; the frames simply come round again.
    set.Animate(pose, state, 1e30f);
    EXPECT_GE(state.phase, 0.0f);
    EXPECT_LE(state.phase, 1.0f);
    EXPECT_TRUE(state.current >= 0 && state.current < 4 && state.next >= 0 && state.next < 4);
    // Past 2^24 a float cannot hold the phase less one: 31000001 rounds to 31000000.
    state.Set(1, -1);
    set.Animate(pose, state, 62000004.0f);
    EXPECT_LE(state.phase, 1.0f);

    // A file may hold any finite speed; one that overflows the phase must not poison the pose.
    LowerAnimationSet wild = SetWith(1, {0.0f, 10.0f, 20.0f}, 3e38f);
    for (const float step : {4.0f, 1.0f}) {
        wild.Animate(pose, state, step);
        EXPECT_TRUE(state.phase >= 0.0f && state.phase <= 1.0f) << state.phase;
        EXPECT_TRUE(state.current >= 0 && state.current < 3 && state.next >= 0 && state.next < 3);
        EXPECT_TRUE(std::isfinite(pose.Point(0).x)) << pose.Point(0).x;
    }
}

TEST(AnimationTest, OneShotSwitchesToItsFollowUpWhenItWraps) {
    UpperAnimationSet set;
    auto& kick = set.Get(1);
    kick.frames = {Flat<5>(0.0f), Flat<5>(10.0f), Flat<5>(20.0f)};
    kick.speed = 0.6f;
    AnimationState state;
    state.Set(1, 0);
    UpperPose pose;
    EXPECT_FALSE(set.Animate(pose, state, 1.0f));  // 0.6
    EXPECT_FALSE(set.Animate(pose, state, 1.0f));  // 1.2: frame 1 to 2, phase reset
    EXPECT_EQ(state.current, 1);
    EXPECT_FLOAT_EQ(pose.Point(0).x, 10.0f);
    EXPECT_FALSE(set.Animate(pose, state, 1.0f));
    // The wrap ends it, and that update still shows the one-shot's pose at phase 0.
    EXPECT_TRUE(set.Animate(pose, state, 1.0f));
    EXPECT_FLOAT_EQ(pose.Point(0).x, 20.0f);
    EXPECT_EQ(state.animation, 0);
    EXPECT_EQ(state.followUp, -1);
    EXPECT_EQ(state.current, 0);
    EXPECT_EQ(state.next, 1);
}

TEST(AnimationTest, ShortOrStaleAnimationsNeverReadOutsideTheirFrames) {
    LowerAnimationSet set = SetWith(3, {7.0f}, 0.5f);
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

    EXPECT_EQ(set.MendUnplayable(5), (std::vector<int>{3, 4}));
    EXPECT_EQ(set.Get(3).frames.size(), 2u);
    EXPECT_EQ(set.Get(3).frames[0].Point(0), LowerPose().Point(0));
}

TEST(AnimationTest, PoseOperationsPlaceAndDrawTheFigure) {
    LowerPose lower;
    EXPECT_FLOAT_EQ(lower.Bounds().x1, -5.0f);
    EXPECT_FLOAT_EQ(lower.Bounds().y1, -14.0f);
    EXPECT_FLOAT_EQ(lower.Bounds().x2, 5.0f);
    EXPECT_FLOAT_EQ(lower.Bounds().y2, 12.0f);
    lower.Move(-100.0f, -100.0f);
    lower.UpdateBounds();
    EXPECT_FLOAT_EQ(lower.Bounds().x2, 0.0f);  // the maximum never drops below 0

    UpperPose arms;
    arms.Rotate(90.0f);  // the left-facing arm (-10, 8) swings up
    EXPECT_NEAR(arms.Point(3).x, -8.0f, 1e-4f);
    EXPECT_NEAR(arms.Point(3).y, -10.0f, 1e-4f);
    arms.Mirror();
    EXPECT_NEAR(arms.Point(3).x, 8.0f, 1e-4f);

    RecordingRenderer renderer;
    View view(renderer, nullptr);
    view.SetOffset(10, 20);
    UpperPose().Draw(view, Colour{0, 0, 0, 255});
    const auto lines = renderer.CallsOf(RecordingRenderer::Kind::Line);
    ASSERT_EQ(lines.size(), 4u);  // shoulder to both elbows, elbows to hands
    EXPECT_FLOAT_EQ(lines[2].v[0], -15.0f);
    EXPECT_FLOAT_EQ(lines[2].v[3], -12.0f);
}
