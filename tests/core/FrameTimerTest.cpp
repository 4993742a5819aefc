#include "core/FrameTimer.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/ManualClock.h"

TEST(FrameTimer, SpeedIsFramesOfTheTargetRateThatPassed) {
    ManualClock clock;
    FrameTimer timer(80.0f, clock);
    clock.AdvanceFrames(1);
    timer.Tick();
    EXPECT_FLOAT_EQ(timer.Speed(), 1.0f);
    EXPECT_FLOAT_EQ(timer.FrameRate(), 80.0f);
    clock.AdvanceFrames(2);
    timer.Tick();
    EXPECT_FLOAT_EQ(timer.Speed(), 2.0f);
    EXPECT_FLOAT_EQ(timer.FrameRate(), 40.0f);
}

// Play at 20 frames a second keeps its steps; a ten-second stall is one capped step, in the
// average too, while the rate says what was measured.
TEST(FrameTimer, AStallIsOneCappedStep) {
    ManualClock clock;
    FrameTimer timer(80.0f, clock);
    clock.AdvanceFrames(4);
    timer.Tick();
    EXPECT_FLOAT_EQ(timer.Speed(), 4.0f);
    clock.AdvanceFrames(800);
    timer.Tick();
    EXPECT_FLOAT_EQ(timer.Speed(), FrameTimer::kMaxSpeed);
    EXPECT_FLOAT_EQ(timer.FrameRate(), 0.1f);
    EXPECT_FLOAT_EQ(timer.AverageSpeed(), (1.0f + 4.0f + FrameTimer::kMaxSpeed) / 3.0f);
}

TEST(FrameTimer, StalledCounterGivesSpeedOneAndANonFiniteRate) {
    ManualClock clock;
    FrameTimer timer(80.0f, clock);
    timer.Tick();
    EXPECT_FLOAT_EQ(timer.Speed(), 1.0f);
    EXPECT_FALSE(std::isfinite(timer.FrameRate()));
}

TEST(FrameTimer, AverageAfterResetCountsOnePhantomFrame) {
    ManualClock clock;
    FrameTimer timer(80.0f, clock);
    clock.AdvanceFrames(3);
    timer.Tick();
    timer.ResetAverage();
    clock.AdvanceFrames(2);
    timer.Tick();
    EXPECT_FLOAT_EQ(timer.AverageSpeed(), (1.0f + 2.0f) / 2.0f);
}

TEST(FrameTimer, TimeScaleEasesDownAndUpAndStopsExactlyAtTheTarget) {
    ManualClock clock;
    FrameTimer timer(80.0f, clock);
    timer.SetTimeScaleTarget(0.25f);
    clock.AdvanceFrames(1);
    timer.Tick();
    EXPECT_FLOAT_EQ(timer.TimeScale(), 1.0f - 0.013f);

    int ticks = 1;
    while (timer.TimeScale() > 0.25f && ticks < 1000) {
        clock.AdvanceFrames(1);
        timer.Tick();
        ++ticks;
    }
    EXPECT_EQ(timer.TimeScale(), 0.25f);
    EXPECT_EQ(ticks, 58);  // 0.75 / 0.013 rounded up

    timer.SetTimeScaleTarget(1.0f);
    clock.AdvanceFrames(4);  // a long frame eases four times as far
    timer.Tick();
    EXPECT_FLOAT_EQ(timer.TimeScale(), 0.25f + 0.052f);
    for (int i = 0; i < 100; ++i) {
        clock.AdvanceFrames(1);
        timer.Tick();
    }
    EXPECT_EQ(timer.TimeScale(), 1.0f);
}
