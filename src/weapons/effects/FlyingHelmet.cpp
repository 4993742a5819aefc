#include "weapons/effects/FlyingHelmet.h"

#include <algorithm>
#include <cmath>

#include "arena/Arena.h"
#include "core/Random.h"
#include "render/Renderer.h"
#include "weapons/effects/AlphaByte.h"
#include "weapons/effects/MoveAgainstMap.h"
#include "weapons/effects/Particle.h"
#include "world/PlatformSide.h"
#include "world/View.h"

namespace {
constexpr Vec2 kHalfSize{4.0f, 4.0f};
// Under this sideways speed after a bounce it lies still.
constexpr float kSettled = 0.05f;
constexpr float kTurnRate = 10.0f;
}  // namespace

FlyingHelmet::FlyingHelmet(int sprite, Vec2 position, Vec2 velocity)
    : sprite_(sprite), position_(position), velocity_(velocity), spin_(RandomRange(0.5f, 1.0f)) {}

void FlyingHelmet::Update(Arena& arena) {
    const float step = arena.Step();
    velocity_.y += Particle::kFall * step;
    Bounce(MoveAgainstMap(arena, position_, velocity_, step, kHalfSize));
    age_ += step;
    rotation_ += spin_ * kTurnRate * step;
    if (!(age_ <= kLife)) SetFinished();
}

void FlyingHelmet::Bounce(int side) {
    if (side == kSideLeft || side == kSideRight) {
        velocity_.x = -velocity_.x;
    } else if (side == kSideTop || side == kSideBottom) {
        velocity_.y = -(velocity_.y * RandomRange(0.4f, 0.6f));
        velocity_.x *= RandomRange(0.5f, 0.8f);
        spin_ *= RandomRange(0.8f, 1.0f);
        if (std::fabs(velocity_.x) < kSettled) {
            spin_ = 0.0f;
            velocity_.y = 0.0f;
        }
    }
}

float FlyingHelmet::Alpha() const {
    return age_ <= kFadeStart ? 255.0f : std::max(255.0f - (age_ - kFadeStart), 0.0f);
}

void FlyingHelmet::Draw(const View& view) const {
    const Sprite* sprite = view.GetSprite(sprite_);
    if (sprite == nullptr) return;
    const Vec2 at = view.ToScreen(position_);
    view.GetRenderer().DrawSpriteScaled(*sprite, at.x, at.y, 1.0f, 1.0f, AlphaByte(Alpha()),
                                        rotation_);
}
