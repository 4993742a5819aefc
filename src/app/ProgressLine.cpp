#include "app/ProgressLine.h"

#include <unistd.h>

namespace {
// Frames between two looks at the wall clock: reading it costs more than a frame of the
// simulation's bookkeeping, and at tens of thousands of frames a second this is still often.
constexpr long kFramesBetweenLooks = 512;
constexpr auto kShowEvery = std::chrono::milliseconds(250);
}  // namespace

ProgressLine::ProgressLine(std::FILE* stream)
    : stream_(stream), on_(isatty(fileno(stream)) != 0), start_(Clock::now()), lastShown_(start_) {}

void ProgressLine::Update(long frames, double simulatedSeconds) {
    if (!on_ || frames % kFramesBetweenLooks != 0) return;
    const Clock::time_point now = Clock::now();
    if (now - lastShown_ < kShowEvery) return;
    lastShown_ = now;
    const double wall = std::chrono::duration<double>(now - start_).count();
    const long whole = static_cast<long>(simulatedSeconds);
    std::fprintf(stream_, "\rSimulated %ld:%02ld:%02ld, %.0f frames a second   ", whole / 3600,
                 whole / 60 % 60, whole % 60, static_cast<double>(frames) / wall);
    std::fflush(stream_);
    shown_ = true;
}

void ProgressLine::Clear() {
    if (!shown_) return;
    std::fprintf(stream_, "\r%60s\r", "");
    std::fflush(stream_);
    shown_ = false;
}
