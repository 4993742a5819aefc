#include "weapons/projectiles/BlastDamage.h"

#include <cmath>

#include "arena/Arena.h"
#include "arena/EffectScope.h"
#include "core/Geometry.h"
#include "core/Random.h"
#include "player/Player.h"
#include "weapons/effects/ParticleSetup.h"
#include "weapons/projectiles/DealDamage.h"

namespace {
constexpr float kArmourShare = 0.75f;
// Nearer than this sideways, a body is thrown up and about rather than away from the blast.
constexpr float kBeneath = 7.0f;
constexpr int kBodyParticles = 8;

// One bit of what a blast knocks out of a survivor.
void BodyParticle(Arena& arena, Vec2 at, bool armour) {
    const MatchSprites& sprites = arena.Sprites();
    arena.SpawnParticle(ParticleSetup{
        .sprite = armour ? sprites.spark : sprites.AnyBlood(),
        .position = at + Vec2{RandomRange(-5.0f, 5.0f), RandomRange(-5.0f, 5.0f)},
        .velocity = Vec2{RandomRange(-1.4f, 1.4f), RandomRange(-1.4f, 1.4f)},
        .rotation = RandomRange(0.0f, 360.0f),
        .spin = RandomRange(-1.0f, 1.0f),
        .gravity = RandomRange(0.5f, 0.9f),
        .bounce = 0.3f,
        .box = Vec2{2.0f, 2.0f},
        .life = RandomRange(15.0f, 20.0f),
        .scale = 0.6f,
        .alpha = 255.0f,
        .fade = RandomRange(7.0f, 10.0f),
    });
}

// How far the blast reaches this player: none behind a platform or out of range.
float Reach(Arena& arena, Vec2 at, float radius, const Player& player) {
    const Vec2 position = player.Position();
    const ShotTrace line = arena.TraceShot(Segment{position, at}, kTracePlatforms);
    if (line.t != 1.0f) return 0.0f;
    const float distance = Distance(position.x, position.y, at.x, at.y);
    // Not `distance >= radius`: a NaN distance must reach nobody either.
    return distance < radius ? radius - distance : 0.0f;
}

void Hit(Arena& arena, Vec2 at, float reach, int owner, Player& victim) {
    const bool armour = DealDamage(arena, victim, reach, reach * kArmourShare, owner);
    if (victim.InPlay()) {
        BlastWound(arena, victim.Position(), armour);
        return;
    }
    const bool away = std::fabs(victim.Position().x - at.x) >= kBeneath;
    victim.Gib(arena, at, away, !away);
    victim.CreditKill(owner, arena);
}
}  // namespace

void BlastWound(Arena& arena, Vec2 at, bool armour) {
    const EffectScope scope(arena, MakeEffect(EffectKind::Wound, at, 0, armour ? 1 : 0));
    for (int i = 0; i < kBodyParticles; ++i)
        BodyParticle(arena, at, armour);
}

void BlastDamage(Arena& arena, Vec2 at, float radius, int owner) {
    for (int number = 0; number < arena.PlayerCount(); ++number) {
        Player& player = arena.GetPlayer(number);
        if (!player.InPlay()) continue;
        const float reach = Reach(arena, at, radius, player);
        if (reach > 0.0f) Hit(arena, at, reach, owner, player);
    }
}
