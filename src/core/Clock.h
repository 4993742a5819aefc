#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

// The game's frames a second: a frame of speed 1.0 lasts 1/kFramesPerSecond of a second, and
// every per-frame quantity is tuned against it.
inline constexpr int kFramesPerSecond = 80;

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
    std::int64_t Frequency() override { return kNanosecondsPerSecond; }

    static constexpr std::int64_t kNanosecondsPerSecond = 1'000'000'000;
};

// A clock that moves on by a set amount each reading, so a run is reproducible whatever the
// real frame rate (the -fixedstep flag, headless runs): first by the recorded steps, when given
// (nanoseconds since the reading before, so a replay sees the recorded run's frame lengths),
// then by exactly one frame of kFramesPerSecond.
class FixedStepClock final : public Clock {
public:
    explicit FixedStepClock(std::vector<std::int64_t> recordedSteps = {})
        : steps_(std::move(recordedSteps)) {}
    std::int64_t Counter() override;
    std::int64_t Frequency() override { return SteadyClock::kNanosecondsPerSecond; }

private:
    std::vector<std::int64_t> steps_;
    std::size_t next_ = 0;
    std::int64_t now_ = 0;
};
