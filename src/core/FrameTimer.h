#pragma once

#include <cstdint>

class Clock;

// Measures each frame and turns it into a speed factor: how many frames of the target rate
// have passed. Also eases the time scale towards its target for slow motion.
class FrameTimer {
public:
    // A stalled frame (a window drag, a slow swap) would otherwise be one huge step that carries
    // bodies and shots through floors; past this the game runs slower for that frame instead.
    // 5 frames of 80 a second leaves play down to 16 frames a second as it was.
    static constexpr float kMaxSpeed = 5.0f;

    FrameTimer(float targetRate, Clock& clock);

    void Tick();

    // Frames of the target rate this frame counts for, at most kMaxSpeed.
    float Speed() const { return speed_; }
    float TimeScale() const { return timeScale_; }
    // The measured rate, uncapped.
    float FrameRate() const { return frameRate_; }
    float TargetRate() const { return targetRate_; }
    // The factor every per-frame quantity is multiplied by: speed times time scale.
    float Step() const { return speed_ * timeScale_; }
    void SetTimeScaleTarget(float value) { timeScaleTarget_ = value; }
    // Jumps to a time scale at once, without easing, and keeps it there.
    void SetTimeScale(float value) {
        timeScale_ = value;
        timeScaleTarget_ = value;
    }
    // Of the speeds the game ran at, so a stall counts as one capped frame.
    float AverageSpeed() const { return speedSum_ / static_cast<float>(frameCount_); }
    void ResetAverage();

private:
    void EaseTimeScale();

    Clock& clock_;
    float speedSum_ = 1.0f;
    std::int32_t frameCount_ = 1;
    float speed_ = 1.0f;
    float timeScale_ = 1.0f;
    float targetRate_;
    float frameRate_ = 0.0f;
    float timeScaleTarget_ = 1.0f;
    std::int64_t frequency_;
    std::int64_t now_ = 0;
    std::int64_t last_;
};
