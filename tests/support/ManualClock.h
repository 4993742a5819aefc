#pragma once

#include <cstdint>

#include "core/Clock.h"

// A clock that moves only when the test says so.
class ManualClock final : public Clock {
public:
    explicit ManualClock(std::int64_t frequency = 8000) : frequency_(frequency) {}
    std::int64_t Counter() override { return now_; }
    std::int64_t Frequency() override { return frequency_; }
    // Advances by the given number of frames of 80 per second.
    void AdvanceFrames(double frames) {
        now_ += static_cast<std::int64_t>(frames * static_cast<double>(frequency_) / 80.0);
    }

private:
    std::int64_t frequency_;
    std::int64_t now_ = 0;
};
