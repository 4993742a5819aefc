#include "weapons/effects/SparkShower.h"

#include <algorithm>

#include "arena/Arena.h"
#include "arena/EffectScope.h"
#include "core/Random.h"
#include "weapons/effects/ParticleSetup.h"

namespace {
// More would only pile up objects; nobody asks for more than a handful.
constexpr int kMostSparks = 64;
}  // namespace

void SparkShower(Arena& arena, Vec2 at, int count) {
    const EffectScope scope(arena, MakeEffect(EffectKind::Sparks, at, count));
    const int sprite = arena.Sprites().spark;
    for (int i = 0; i < std::min(count, kMostSparks); ++i) {
        arena.SpawnParticle(ParticleSetup{
            .sprite = sprite,
            .position = at,
            .velocity = Vec2{RandomRange(-5.0f, 5.0f), RandomRange(-5.0f, 5.0f)},
            .rotation = RandomRange(0.0f, 360.0f),
            .spin = RandomRange(-10.0f, 10.0f),
            .gravity = 0.0f,
            .bounce = 1.0f,
            .box = Vec2{2.0f, 2.0f},
            .life = RandomRange(10.0f, 15.0f),
            .scale = 0.6f,
            .alpha = 255.0f,
            .fade = RandomRange(20.0f, 35.0f),
        });
    }
}
