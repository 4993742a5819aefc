#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/Clock.h"

// Plays back a recorded clock: each reading moves on by the next recorded step (nanoseconds
// since the reading before), so a replayed run sees exactly the frame lengths the recorded run
// had. Once the recording runs out it moves on by one frame of the given rate a reading.
class ReplayClock final : public Clock {
public:
    ReplayClock(std::vector<std::int64_t> steps, int framesPerSecond);
    std::int64_t Counter() override;
    std::int64_t Frequency() override { return kFrequency; }

private:
    static constexpr std::int64_t kFrequency = 1'000'000'000;
    std::vector<std::int64_t> steps_;
    std::size_t next_ = 0;
    std::int64_t afterward_;
    std::int64_t now_ = 0;
};
