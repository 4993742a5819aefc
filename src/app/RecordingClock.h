#pragma once

#include <cstdint>
#include <optional>

#include "core/Clock.h"

class InputRecorder;

// Passes a clock through and writes down how far it moved at each reading (0 for the first),
// which a replay's clock gives back reading by reading. Both of the game's clocks count
// nanoseconds, as a script does.
class RecordingClock final : public Clock {
public:
    RecordingClock(Clock& clock, InputRecorder& recorder) : clock_(clock), recorder_(recorder) {}

    std::int64_t Counter() override;
    std::int64_t Frequency() override { return clock_.Frequency(); }

private:
    Clock& clock_;
    InputRecorder& recorder_;
    std::optional<std::int64_t> last_;
};
