#include "weapons/projectiles/Grenade.h"

#include "weapons/projectiles/ProjectileDrawing.h"

#include <cmath>

#include "arena/Arena.h"
#include "core/Random.h"
#include "render/Renderer.h"
#include "weapons/effects/ExplosionCloud.h"
#include "weapons/effects/MoveAgainstMap.h"
#include "weapons/effects/Particle.h"
#include "weapons/projectiles/BlastDamage.h"
#include "world/PlatformSide.h"
#include "world/View.h"

namespace {
constexpr Vec2 kHalfSize{2.0f, 2.0f};
constexpr float kTurnRate = 8.0f;
// Kept of the speed on a floor.
constexpr float kFloorBounce = 0.65f;
constexpr float kFloorSlide = 0.8f;
// Slower than this up or down, or sideways, after a floor bounce it lies still.
constexpr float kRestUpright = 0.2f;
constexpr float kRestSideways = 0.1f;
// A blast in the map shakes the screen a little; one below it, where the fall ended, hard.
constexpr float kShakeInside = 5.0f;
constexpr float kShakeBelow = 20.0f;
constexpr ExplosionSize kCloud{5, 0.2f, 0.05f, 0.07f, 0.1f, 0.35f, 0.4f};
}  // namespace

Grenade::Grenade(int owner, int sprite, Vec2 position, Vec2 velocity, float age)
    : owner_(owner),
      sprite_(sprite),
      position_(position),
      velocity_(velocity),
      age_(age),
      spin_(RandomRange(0.5f, 1.0f)) {}

void Grenade::Update(Arena& arena) {
    const float step = arena.Step();
    velocity_.y += Particle::kFall * step;
    Bounce(MoveAgainstMap(arena, position_, velocity_, step, kHalfSize));
    age_ += step;
    rotation_ += spin_ * kTurnRate * step;
    // Not `age > kFuse`: a NaN age must explode too rather than tick for ever.
    if (!(age_ <= kFuse) || position_.y > arena.Map().Bounds().y2) Explode(arena);
}

void Grenade::Bounce(int side) {
    if (side == kSideLeft || side == kSideRight) {
        velocity_.x = -velocity_.x;
    } else if (side == kSideBottom) {
        velocity_.y = 0.0f;
    } else if (side == kSideTop) {
        velocity_.y *= -kFloorBounce;
        velocity_.x *= kFloorSlide;
        if (std::fabs(velocity_.y) < kRestUpright || std::fabs(velocity_.x) < kRestSideways) {
            velocity_ = Vec2{};
            spin_ = 0.0f;
            rotation_ = 0.0f;
        } else {
            spin_ *= RandomRange(0.3f, 1.2f);
            if (RandomInt() % 2 == 1) spin_ = -spin_;
        }
    }
}

void Grenade::Explode(Arena& arena) {
    arena.PlaySound("Explode.wav");
    const bool below = position_.y > arena.Map().Bounds().y2;
    arena.Shake(below ? kShakeBelow : kShakeInside);
    SetFinished();
    ExplosionCloud(arena, position_, kCloud);
    BlastDamage(arena, position_, kBlastRadius, owner_);
}

void Grenade::Draw(const View& view) const { DrawProjectile(view, *Export()); }

std::optional<ObjectState> Grenade::Export() const {
    return ObjectState{ObjectKind::Grenade, sprite_, position_, velocity_, rotation_, 1.0f, 255.0f};
}
