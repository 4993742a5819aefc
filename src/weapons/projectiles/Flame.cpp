#include "weapons/projectiles/Flame.h"

#include "weapons/projectiles/ProjectileDrawing.h"

#include "arena/Arena.h"
#include "core/Geometry.h"
#include "core/Random.h"
#include "player/Player.h"
#include "render/Renderer.h"
#include "weapons/effects/AlphaByte.h"
#include "weapons/effects/MoveAgainstMap.h"
#include "weapons/effects/ParticleSetup.h"
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
constexpr int kEmbers = 5;
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
    if (alpha_ > kFaintest) victim.TakeDamage(step * alpha_ * kHeat, owner_, arena);
    const Vec2 at = victim.Position();
    arena.SpawnParticle(ParticleSetup{
        .sprite = arena.Sprites().smoke,
        .collides = false,
        .position = at + Vec2{RandomRange(-3.0f, 3.0f), RandomRange(-8.0f, 8.0f)},
        .velocity = Vec2{RandomRange(-1.0f, 1.0f), RandomRange(-1.0f, 1.0f)},
        .rotation = RandomRange(-360.0f, 360.0f),
        .spin = RandomRange(-2.0f, 2.0f),
        .gravity = RandomRange(-0.1f, 0.1f),
        .life = RandomRange(80.0f, 100.0f),
        .scale = 0.4f,
        .growth = RandomRange(0.02f, 0.03f),
        .alpha = 150.0f,
        .fade = RandomRange(6.5f, 8.5f),
    });
    if (victim.InPlay()) return;
    victim.CreditKill(owner_, arena);
    Smoulder(arena);
}

// The smoke of a body burnt out, where the flame is.
void Flame::Smoulder(Arena& arena) const {
    for (int i = 0; i < kEmbers; ++i) {
        arena.SpawnParticle(ParticleSetup{
            .sprite = arena.Sprites().smoke,
            .collides = false,
            .position = position_ + Vec2{RandomRange(-1.0f, 1.0f), RandomRange(-3.0f, 3.0f)},
            .velocity = Vec2{RandomRange(-0.3f, 0.3f), RandomRange(-0.3f, 0.3f)},
            .rotation = RandomRange(-360.0f, 360.0f),
            .spin = RandomRange(-2.0f, 2.0f),
            .gravity = 0.0f,
            .life = RandomRange(60.0f, 70.0f),
            .scale = 0.7f,
            .growth = RandomRange(0.01f, 0.02f),
            .alpha = 255.0f,
            .fade = RandomRange(4.0f, 5.5f),
        });
    }
}

void Flame::Draw(const View& view) const { DrawProjectile(view, *Export()); }

std::optional<ObjectState> Flame::Export() const {
    return ObjectState{ObjectKind::Flame, sprite_, position_, velocity_, rotation_, scale_, alpha_};
}
