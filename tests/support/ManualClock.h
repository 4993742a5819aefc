#pragma once

#include <cstdint>

#include "core/Clock.h"

// A clock that moves only when the test says so, 8000 counts a second.
class ManualClock final : public Clock {
public:
    std::int64_t Counter() override { return now_; }
    std::int64_t Frequency() override { return 8000; }
    // Advances by the given number of frames of 80 per second.
    void AdvanceFrames(double frames) { now_ += static_cast<std::int64_t>(frames * 100.0); }

private:
    std::int64_t now_ = 0;
};
