#pragma once

#include <chrono>

// How much one client may chat: a line a second, saved up to a burst of a few. Past that his
// lines are dropped and counted, so one client cannot flood everyone's screens.
class ChatAllowance {
public:
    using Time = std::chrono::steady_clock::time_point;

    explicit ChatAllowance(Time now) : last_(now) {}
    // Whether a line said at `now` may go out; one that may not is counted as dropped.
    bool Take(Time now);
    int Dropped() const { return dropped_; }
    // Whether the last line taken was the first dropped since one went out.
    bool JustCutOff() const { return cutOff_ == 1; }

    static constexpr double kLinesPerSecond = 1.0;
    static constexpr double kBurst = 4.0;

private:
    double lines_ = kBurst;
    Time last_;
    int dropped_ = 0;
    int cutOff_ = 0;  // lines dropped in a row
};
