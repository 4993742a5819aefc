#include "weapons/effects/ExplosionCloud.h"

#include <algorithm>

#include "arena/Arena.h"
#include "arena/EffectScope.h"
#include "core/Random.h"
#include "weapons/effects/ParticleSetup.h"

namespace {
constexpr int kBlasts = 3;
constexpr int kMostPuffs = 64;

void Smoke(Arena& arena, Vec2 at, const ExplosionSize& size) {
    arena.SpawnParticle(ParticleSetup{
        .sprite = arena.Sprites().smoke,
        .collides = false,
        .position = at + Vec2{RandomRange(-5.0f, 5.0f), RandomRange(-5.0f, 5.0f)},
        .velocity = Vec2{RandomRange(-1.0f, 1.0f), RandomRange(-1.0f, 1.0f)},
        .rotation = RandomRange(-360.0f, 360.0f),
        .spin = RandomRange(-4.0f, 4.0f),
        .gravity = 0.0f,
        .life = RandomRange(40.0f, 60.0f),
        .scale = size.smokeScale,
        .growth = RandomRange(size.smokeGrowthLow, size.smokeGrowthHigh),
        .alpha = 150.0f,
        .fade = RandomRange(3.0f, 5.0f),
    });
}

void Blast(Arena& arena, Vec2 at, const ExplosionSize& size) {
    arena.SpawnParticle(ParticleSetup{
        .sprite = arena.Sprites().explosion,
        .collides = false,
        .position = at + Vec2{RandomRange(-2.0f, 2.0f), RandomRange(-2.0f, 2.0f)},
        .rotation = RandomRange(-360.0f, 360.0f),
        .spin = RandomRange(-4.0f, 4.0f),
        .gravity = 0.0f,
        .life = 10.0f,
        .scale = size.blastScale,
        .growth = RandomRange(size.blastGrowthLow, size.blastGrowthHigh),
        .fade = RandomRange(30.0f, 35.0f),
    });
}
}  // namespace

void ExplosionCloud(Arena& arena, Vec2 at, const ExplosionSize& size) {
    EffectEvent event = MakeEffect(EffectKind::Explosion, at, size.smokeCount);
    event.values = {size.smokeScale, size.smokeGrowthLow, size.smokeGrowthHigh,
                    size.blastScale, size.blastGrowthLow, size.blastGrowthHigh};
    const EffectScope scope(arena, event);
    for (int i = 0; i < std::min(size.smokeCount, kMostPuffs); ++i)
        Smoke(arena, at, size);
    for (int i = 0; i < kBlasts; ++i)
        Blast(arena, at, size);
}
