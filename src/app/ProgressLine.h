#pragma once

#include <chrono>
#include <cstdio>

// A line on a terminal that keeps rewriting itself with how far a headless run has got and how
// fast it goes. Off when the stream is not a terminal, so logs and pipes get none of it.
class ProgressLine {
public:
    explicit ProgressLine(std::FILE* stream);
    // After every frame; looks at the wall clock now and then, and rewrites the line a few
    // times a second.
    void Update(long frames, double simulatedSeconds);
    // Wipes the line, so what is printed next starts on a clean one.
    void Clear();

private:
    using Clock = std::chrono::steady_clock;

    std::FILE* stream_;
    bool on_;
    bool shown_ = false;
    Clock::time_point start_;
    Clock::time_point lastShown_;
};
