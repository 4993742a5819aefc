#include "core/FrameTimer.h"

#include <algorithm>

#include "core/Clock.h"

namespace {
constexpr float kEasePerFrame = 0.013f;
}

FrameTimer::FrameTimer(float targetRate, Clock& clock)
    : clock_(clock),
      targetRate_(targetRate),
      frequency_(clock.Frequency()),
      last_(clock.Counter()) {}

void FrameTimer::Tick() {
    now_ = clock_.Counter();
    const auto elapsed = static_cast<double>(now_ - last_);
    const double countsPerFrame = static_cast<double>(frequency_) / targetRate_;
    const auto measured = static_cast<float>(elapsed / countsPerFrame);
    frameRate_ = targetRate_ / measured;  // not finite when the counter did not move
    speed_ = measured > 0.0f ? std::min(measured, kMaxSpeed) : 1.0f;
    speedSum_ += speed_;
    frameCount_ += 1;
    EaseTimeScale();
    last_ = now_;
}

void FrameTimer::EaseTimeScale() {
    const float change = speed_ * kEasePerFrame;
    if (timeScaleTarget_ > timeScale_) {
        timeScale_ += change;
        if (timeScale_ > timeScaleTarget_) timeScale_ = timeScaleTarget_;
    } else if (timeScaleTarget_ < timeScale_) {
        timeScale_ -= change;
        if (timeScale_ < timeScaleTarget_) timeScale_ = timeScaleTarget_;
    }
}

void FrameTimer::ResetAverage() {
    speedSum_ = 1.0f;
    frameCount_ = 1;
}
