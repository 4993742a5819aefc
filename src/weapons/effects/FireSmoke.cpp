#include "weapons/effects/FireSmoke.h"

#include "arena/Arena.h"
#include "arena/EffectScope.h"
#include "core/Random.h"
#include "weapons/effects/ParticleSetup.h"

namespace {
constexpr int kEmbers = 5;
}  // namespace

void TrailSmoke(Arena& arena, Vec2 at) {
    const EffectScope scope(arena, MakeEffect(EffectKind::Trail, at, 0));
    arena.SpawnParticle(ParticleSetup{
        .sprite = arena.Sprites().smoke,
        .collides = false,
        .position = at,
        .rotation = RandomRange(0.0f, 360.0f),
        .spin = RandomRange(-12.0f, 12.0f),
        .gravity = 0.0f,
        .life = 30.0f,
        .scale = 0.2f,
        .growth = 0.02f,
        .alpha = 200.0f,
        .fade = RandomRange(5.0f, 10.0f),
    });
}

void ScorchSmoke(Arena& arena, Vec2 at) {
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
}

void Smoulder(Arena& arena, Vec2 at) {
    const EffectScope scope(arena, MakeEffect(EffectKind::Smoulder, at, 0));
    for (int i = 0; i < kEmbers; ++i) {
        arena.SpawnParticle(ParticleSetup{
            .sprite = arena.Sprites().smoke,
            .collides = false,
            .position = at + Vec2{RandomRange(-1.0f, 1.0f), RandomRange(-3.0f, 3.0f)},
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
