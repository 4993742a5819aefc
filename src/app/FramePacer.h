#pragma once

#include <chrono>

class NetLink;

// Holds a networked run to the game's own 80 frames a second, headless or not, by waiting on
// the network between frames: what arrives meanwhile is kept for the next frame.
class FramePacer {
public:
    // Waits what is left of this frame's time, polling the link; the events it met go to `kept`.
    template <typename Keep>
    void Wait(NetLink& link, Keep&& kept);

private:
    using Clock = std::chrono::steady_clock;
    static constexpr auto kFrame = std::chrono::microseconds(12500);
    Clock::time_point next_{};
};

#include "net/NetLink.h"

template <typename Keep>
void FramePacer::Wait(NetLink& link, Keep&& kept) {
    const Clock::time_point now = Clock::now();
    // A run that fell behind by more than a frame starts afresh rather than racing to catch up.
    if (next_ == Clock::time_point{} || now > next_ + kFrame) next_ = now;
    next_ += kFrame;
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(next_ - Clock::now()).count();
        if (left <= 0) break;
        for (NetEvent& event : link.Poll(static_cast<int>(left)))
            kept(std::move(event));
    }
}
