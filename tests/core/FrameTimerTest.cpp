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
    clock.AdvanceFrames(10);  // a long frame eases ten times as far
    timer.Tick();
    EXPECT_FLOAT_EQ(timer.TimeScale(), 0.25f + 0.13f);
    for (int i = 0; i < 100; ++i) {
        clock.AdvanceFrames(1);
        timer.Tick();
    }
    EXPECT_EQ(timer.TimeScale(), 1.0f);
}
