#pragma once

// Steps since a weapon's last shot. The weapon is ready once more have passed than its rate of
// fire; a shot may restart the count below 0 to make the next wait longer. A weapon just picked
// up or handed out has not been fired, so it is ready at once.
class RefireTimer {
public:
    void Advance(float step) { elapsed_ += step; }
    // Strictly more than `rate` steps: a rate of 0 still waits for one tick.
    bool ReadyAfter(float rate) const { return rate < elapsed_; }
    bool ReadyAfter(int rate) const { return ReadyAfter(static_cast<float>(rate)); }
    void Restart(float elapsed = 0.0f) { elapsed_ = elapsed; }
    float Elapsed() const { return elapsed_; }

private:
    float elapsed_ = kNeverFired;
    static constexpr float kNeverFired = 1e9f;
};
