#include "game/Camera.h"

#include "core/Random.h"
#include "core/Screen.h"

namespace {
constexpr float kHalfScreenWidth = kScreenWidth / 2.0f;
constexpr float kHalfScreenHeight = kScreenHeight / 2.0f;
constexpr float kRestDistance = 5.0f;
constexpr float kFollowRate = 0.03f;
constexpr float kShakeDecay = 0.2f;
}  // namespace

int Camera::OffsetX() const { return static_cast<int>(position_.x - kHalfScreenWidth); }

int Camera::OffsetY() const { return static_cast<int>(position_.y - kHalfScreenHeight); }

void Camera::Follow(Vec2 target, float step) {
    const float distance = Length(target - position_);
    if (distance <= kRestDistance) return;
    target_ = target;
    const Vec2 direction = (target_ - position_) * (1.0f / distance);
    position_ = position_ + direction * (distance * kFollowRate * step);
}

void Camera::ApplyShake(float step) {
    if (shake_ <= 0.0f) return;
    position_.x += RandomRange(-shake_, shake_);
    position_.y += RandomRange(-shake_, shake_);
    shake_ -= step * kShakeDecay;
    if (shake_ < 0.0f) shake_ = 0.0f;
}

void Camera::Shake(float amount) {
    if (shake_ < amount) shake_ = amount;
}
