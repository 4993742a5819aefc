#include "core/ReplayClock.h"

#include <utility>

ReplayClock::ReplayClock(std::vector<std::int64_t> steps, int framesPerSecond)
    : steps_(std::move(steps)), afterward_(kFrequency / framesPerSecond) {}

std::int64_t ReplayClock::Counter() {
    now_ += next_ < steps_.size() ? steps_[next_++] : afterward_;
    return now_;
}
