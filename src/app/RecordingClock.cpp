#include "app/RecordingClock.h"

#include <algorithm>

#include "app/InputRecorder.h"
#include "input/InputScript.h"

std::int64_t RecordingClock::Counter() {
    const std::int64_t now = clock_.Counter();
    const std::int64_t moved = last_ ? now - *last_ : 0;
    last_ = now;
    // A longer stall plays as the same capped frame, and a script holds no more.
    recorder_.Step(std::clamp<std::int64_t>(moved, 0, kMaxScriptStep));
    return now;
}
