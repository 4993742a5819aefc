#include "app/RecordingClock.h"

#include <algorithm>

#include "app/InputRecorder.h"
#include "input/InputScript.h"

namespace {
constexpr std::int64_t kNanosecondsPerSecond = 1'000'000'000;
}

std::int64_t RecordingClock::Counter() {
    const std::int64_t now = clock_.Counter();
    const std::int64_t moved = last_ ? now - *last_ : 0;
    last_ = now;
    const std::int64_t frequency = clock_.Frequency();
    // Both of the game's clocks count nanoseconds already; another is scaled, rounding down.
    const std::int64_t nanoseconds =
        frequency == kNanosecondsPerSecond
            ? moved
            : static_cast<std::int64_t>(static_cast<double>(moved) *
                                        static_cast<double>(kNanosecondsPerSecond) /
                                        static_cast<double>(frequency));
    // A longer stall plays as the same capped frame, and a script holds no more.
    recorder_.Step(std::clamp<std::int64_t>(nanoseconds, 0, kMaxScriptStep));
    return now;
}
