#pragma once

#include <cstdint>

// A monotonic counter and its frequency in counts per second.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::int64_t Counter() = 0;
    virtual std::int64_t Frequency() = 0;
};

// The real clock: std::chrono::steady_clock in nanoseconds.
class SteadyClock final : public Clock {
public:
    std::int64_t Counter() override;
    std::int64_t Frequency() override { return 1'000'000'000; }
};

// Every read advances by exactly one frame of the given rate, so a run is reproducible
// whatever the real frame rate (the -fixedstep flag).
class FixedStepClock final : public Clock {
public:
    explicit FixedStepClock(int framesPerSecond) : step_(kFrequency / framesPerSecond) {}
    std::int64_t Counter() override { return now_ += step_; }
    std::int64_t Frequency() override { return kFrequency; }

private:
    static constexpr std::int64_t kFrequency = 1'000'000'000;
    std::int64_t step_;
    std::int64_t now_ = 0;
};
