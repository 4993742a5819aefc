#include "app/ChatAllowance.h"

#include <algorithm>

bool ChatAllowance::Take(Time now) {
    const std::chrono::duration<double> since = now - last_;
    last_ = now;
    lines_ = std::min(kBurst, lines_ + std::max(0.0, since.count()) * kLinesPerSecond);
    if (lines_ >= 1.0) {
        lines_ -= 1.0;
        cutOff_ = 0;
        return true;
    }
    ++dropped_;
    ++cutOff_;
    return false;
}
