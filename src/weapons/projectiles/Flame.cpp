#include "weapons/projectiles/Flame.h"

#include "weapons/projectiles/ProjectileDrawing.h"

#include <memory>

#include "arena/Arena.h"
#include "arena/EffectScope.h"
#include "core/Geometry.h"
#include "core/Random.h"
#include "player/Player.h"
#include "render/Renderer.h"
#include "weapons/effects/AlphaByte.h"
#include "weapons/effects/FireSmoke.h"
#include "weapons/effects/MoveAgainstMap.h"
#include "world/PlatformSide.h"
#include "world/View.h"

namespace {
constexpr Vec2 kHalfSize{5.0f, 5.0f};
// Reach of the fire, per unit of the flame's scale.
constexpr float kReach = 16.0f;
// Too faint to burn below this alpha; burning takes this much health per alpha and step.
constexpr float kFaintest = 50.0f;
constexpr float kHeat = 0.002f;
constexpr float kGrowth = 0.05f;
}  // namespace

Flame::Flame(int owner, int sprite, Vec2 position, Vec2 velocity, float burns)
    : owner_(owner),
      sprite_(sprite),
      position_(position),
      velocity_(velocity),
      spin_(RandomRange(-10.0f, 10.0f)),
      rotation_(RandomRange(0.0f, 360.0f)),
      burns_(burns),
      life_(RandomRange(80.0f, 100.0f)),
      fade_(RandomRange(3.0f, 4.0f)) {}

void Flame::Update(Arena& arena) {
    const float step = arena.Step();
    const int side = MoveAgainstMap(arena, position_, velocity_, step, kHalfSize);
    for (int number = 0; number < arena.PlayerCount(); ++number) {
        Player& player = arena.GetPlayer(number);
        const Vec2 at = player.Position();
        if (player.InPlay() && Distance(at.x, at.y, position_.x, position_.y) < scale_ * kReach)
            Burn(arena, player, step);
    }
    if (side != kSideNone) SetFinished();
    age_ += step;
    rotation_ += spin_ * step;
    // Written so that a NaN life or alpha puts the flame out too.
    if (!(age_ <= life_)) {
        SetFinished();
        return;
    }
    alpha_ -= fade_ * step;
    if (!(alpha_ > 0.0f)) SetFinished();
    scale_ += kGrowth * step;
}

void Flame::Burn(Arena& arena, Player& victim, float step) {
    if (burns_ == 0.0f) return;
    const bool hurts = owner_ != kCopy;
    if (hurts && alpha_ > kFaintest) victim.TakeDamage(step * alpha_ * kHeat, owner_, arena);
    ScorchSmoke(arena, victim.Position());
    if (!hurts || victim.InPlay()) return;
    victim.CreditKill(owner_, arena);
    Smoulder(arena, position_);
}

void Flame::Pour(Arena& arena, int owner, Vec2 at, Vec2 velocity, float burns) {
    EffectEvent event = MakeEffect(EffectKind::Flame, at, 0, burns != 0.0f ? 1 : 0);
    event.velocity = velocity;
    const EffectScope scope(arena, event);
    arena.AddObject(std::make_unique<Flame>(owner, arena.Sprites().flame, at, velocity, burns));
}

void Flame::Draw(const View& view) const {
    DrawProjectile(view, ObjectState{ObjectKind::Flame, sprite_, position_, velocity_, rotation_,
                                     scale_, alpha_});
}
