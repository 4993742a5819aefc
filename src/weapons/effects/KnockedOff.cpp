#include "weapons/effects/KnockedOff.h"

#include <memory>

#include "arena/Arena.h"
#include "arena/EffectScope.h"
#include "core/Random.h"
#include "weapons/effects/BloodSpray.h"
#include "weapons/effects/FlyingHead.h"
#include "weapons/effects/FlyingHelmet.h"

namespace {
constexpr int kBeheadingBlood = 16;
}  // namespace

void KnockOffHead(Arena& arena, Vec2 at, Vec2 velocity, float speedLow, float speedHigh) {
    EffectEvent event = MakeEffect(EffectKind::Head, at, 0);
    event.velocity = velocity;
    event.values[0] = speedLow;
    event.values[1] = speedHigh;
    const EffectScope scope(arena, event);
    BloodSpray(arena, BloodSprayShot{at, velocity, speedLow, speedHigh, kBeheadingBlood, false});
    arena.AddObject(std::make_unique<FlyingHead>(ParticleSetup{
        .sprite = arena.Sprites().head,
        .position = at + Vec2{RandomRange(-1.0f, 1.0f), RandomRange(-1.0f, 1.0f)},
        .velocity = Vec2{RandomRange(0.8f * speedLow, 0.5f * speedHigh) * velocity.x,
                         RandomRange(-0.1f, 0.2f) * velocity.y},
        .gravity = 0.8f,
        .bounce = 0.8f,
        .box = Vec2{6.0f, 6.0f},
        .life = RandomRange(150.0f, 180.0f),
        .scale = 1.0f,
        .alpha = 255.0f,
    }));
}

void KnockOffHelmet(Arena& arena, Vec2 at, Vec2 velocity) {
    EffectEvent event = MakeEffect(EffectKind::Helmet, at, 0);
    event.velocity = velocity;
    const EffectScope scope(arena, event);
    arena.AddObject(std::make_unique<FlyingHelmet>(arena.Sprites().helmet, at, velocity));
}
