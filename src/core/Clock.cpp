#include "core/Clock.h"

#include <chrono>

std::int64_t SteadyClock::Counter() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
}
