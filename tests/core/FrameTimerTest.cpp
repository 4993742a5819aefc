#include "core/FrameTimer.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/ManualClock.h"

// Speed is frames of the target rate that passed; a ten-second stall is one capped step, in the
// average too, while the rate says what was measured. A counter that has not moved gives one.
TEST(FrameTimer, SpeedCountsTargetFramesAndAStallIsOneCappedStep) {
    ManualClock clock;
    FrameTimer timer(80.0f, clock);
    timer.Tick();
    EXPECT_FLOAT_EQ(timer.Speed(), 1.0f);
    EXPECT_FALSE(std::isfinite(timer.FrameRate()));
    clock.AdvanceFrames(4);
    timer.Tick();
    EXPECT_FLOAT_EQ(timer.Speed(), 4.0f);
    EXPECT_FLOAT_EQ(timer.FrameRate(), 20.0f);
    clock.AdvanceFrames(800);
    timer.Tick();
    EXPECT_FLOAT_EQ(timer.Speed(), FrameTimer::kMaxSpeed);
    EXPECT_FLOAT_EQ(timer.FrameRate(), 0.1f);
    EXPECT_FLOAT_EQ(timer.AverageSpeed(), (1.0f + 1.0f + 4.0f + FrameTimer::kMaxSpeed) / 4.0f);
}

TEST(FrameTimer, TimeScaleEasesDownAndUpAndStopsExactlyAtTheTarget) {
    ManualClock clock;
    FrameTimer timer(80.0f, clock);
    for (const float target : {0.25f, 1.0f}) {
        timer.SetTimeScaleTarget(target);
        for (int i = 0; i < 100; ++i) {
            clock.AdvanceFrames(1);
            timer.Tick();
        }
        EXPECT_EQ(timer.TimeScale(), target);
    }
}
