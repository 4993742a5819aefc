#include "weapons/effects/BloodSpray.h"

#include <algorithm>

#include "arena/Arena.h"
#include "arena/EffectScope.h"
#include "core/Random.h"
#include "weapons/effects/ParticleSetup.h"

namespace {
// A sniper's hit throws eight and a severed head sixteen; more would only pile up objects.
constexpr int kMostDrops = 64;
}  // namespace

void BloodSpray(Arena& arena, const BloodSprayShot& shot) {
    EffectEvent event = MakeEffect(EffectKind::Blood, shot.at, shot.count, shot.armour ? 1 : 0);
    event.velocity = shot.velocity;
    event.values = {shot.speedLow, shot.speedHigh};
    const EffectScope scope(arena, event);
    const MatchSprites& sprites = arena.Sprites();
    for (int i = 0; i < std::min(shot.count, kMostDrops); ++i) {
        arena.SpawnParticle(ParticleSetup{
            .sprite = shot.armour ? sprites.spark : sprites.AnyBlood(),
            .position = shot.at + Vec2{RandomRange(-1.0f, 1.0f), RandomRange(-3.0f, 3.0f)},
            .velocity = Vec2{RandomRange(shot.speedLow, shot.speedHigh) * shot.velocity.x,
                             RandomRange(-0.1f, 0.1f) * shot.velocity.y},
            .rotation = RandomRange(0.0f, 360.0f),
            .spin = RandomRange(-12.0f, 12.0f),
            .gravity = RandomRange(0.5f, 0.9f),
            .bounce = 0.3f,
            .box = Vec2{5.0f, 5.0f},
            .life = RandomRange(10.0f, 15.0f),
            .scale = 0.65f,
            .alpha = 255.0f,
            .fade = RandomRange(20.0f, 35.0f),
        });
    }
}

void DripBlood(Arena& arena, Vec2 at) {
    const EffectScope scope(arena, MakeEffect(EffectKind::Drip, at, 1));
    ParticleSetup drop;
    drop.collides = false;
    drop.box = Vec2{5.0f, 5.0f};
    drop.bounce = 0.3f;
    drop.sprite = arena.Sprites().AnyBlood();
    drop.gravity = RandomRange(1.0f, 1.5f);
    drop.velocity = Vec2{RandomRange(-0.5f, 0.5f), RandomRange(-1.5f, -0.8f)};
    drop.position = at;
    drop.rotation = RandomRange(0.0f, 360.0f);
    drop.fade = RandomRange(5.0f, 10.0f);
    drop.spin = RandomRange(-12.0f, 12.0f);
    drop.life = RandomRange(30.0f, 60.0f);
    drop.scale = 0.5f;
    drop.growth = 0.003f;
    arena.SpawnParticle(drop);
}
