#pragma once

#include <chrono>

// When a host lets one client go for his silence or his slowness. A client playing must be
// heard within the time-out. One who has not said hello within it is a stray peer holding a
// place; one welcomed but still not playing after the join limit holds a fighter's place he
// does not use. The join limit fits a map of the largest size downloaded over a slow line.
class ClientWatch {
public:
    using Time = std::chrono::steady_clock::time_point;
    enum class Verdict { Keep, Silent, NoHello, TooSlowToJoin };

    explicit ClientWatch(Time now) : heard_(now), since_(now) {}
    void Heard(Time now) { heard_ = now; }
    // The join limit starts again at each welcome: a new match is a new join.
    void Welcomed(Time now) { since_ = now; }
    Verdict Judge(Time now, bool named, bool playing) const;

    static constexpr std::chrono::seconds kJoinLimit{60};

private:
    Time heard_;
    Time since_;
};
