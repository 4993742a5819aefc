#include "core/Clock.h"

#include <chrono>

std::int64_t SteadyClock::Counter() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
}

std::int64_t FixedStepClock::Counter() {
    constexpr std::int64_t kFrame = SteadyClock::kNanosecondsPerSecond / kFramesPerSecond;
    now_ += next_ < steps_.size() ? steps_[next_++] : kFrame;
    return now_;
}
