#include "weapons/kinds/ShotEffects.h"

#include <memory>

#include "arena/Arena.h"
#include "arena/EffectScope.h"
#include "core/Random.h"
#include "player/Player.h"
#include "weapons/effects/MuzzleFlash.h"
#include "weapons/effects/ParticleSetup.h"
#include "weapons/kinds/ShotLine.h"

namespace {
constexpr int kKickAnimation = 1;
constexpr int kBlastFlames = 3;
}  // namespace

void Kick(Player& owner) { owner.PlayUpperAnimation(kKickAnimation); }

void ThrowCasing(Player& owner, Arena& arena, ShellCasing::Kind kind, Vec2 velocity) {
    if (owner.Facing() == Facing::Right) velocity.x = -velocity.x;
    ThrowCasing(arena, kind, owner.Upper().Point(4), velocity);
}

void ThrowCasing(Arena& arena, ShellCasing::Kind kind, Vec2 at, Vec2 velocity) {
    const bool shotgun = kind == ShellCasing::Kind::Shotgun;
    EffectEvent event = MakeEffect(EffectKind::Casing, at, shotgun ? 1 : 0);
    event.velocity = velocity;
    const EffectScope scope(arena, event);
    const MatchSprites& sprites = arena.Sprites();
    arena.AddObject(std::make_unique<ShellCasing>(
        kind, shotgun ? sprites.shotgunCasing : sprites.rifleCasing, at, velocity));
}

void FlashMuzzle(Arena& arena, const ShotLine& shot, float scale) {
    FlashMuzzle(arena, shot.muzzle, shot.angle, scale);
}

void FlashMuzzle(Arena& arena, Vec2 at, float angle, float scale) {
    EffectEvent event = MakeEffect(EffectKind::Flash, at, 0);
    event.values = {angle, scale};
    const EffectScope scope(arena, event);
    arena.AddObject(std::make_unique<MuzzleFlash>(arena.Sprites().flash, at, angle, scale));
}

void FlashBlast(Arena& arena, Vec2 muzzle, float angle) {
    EffectEvent event = MakeEffect(EffectKind::Blast, muzzle, 0);
    event.values = {angle};
    const EffectScope scope(arena, event);
    const Vec2 along = ShotLine{muzzle, angle}.Direction();
    for (int i = 0; i < kBlastFlames; ++i) {
        ParticleSetup flame;
        flame.sprite = arena.Sprites().explosion;
        flame.collides = false;
        flame.gravity = 0.0f;
        flame.velocity = along * RandomRange(0.1f, 0.3f);
        flame.position = muzzle + Vec2{RandomRange(-3.0f, 3.0f), RandomRange(-3.0f, 3.0f)};
        flame.rotation = RandomRange(0.0f, 360.0f);
        flame.alpha = 255.0f;
        flame.fade = RandomRange(15.0f, 20.0f);
        flame.spin = RandomRange(-1.0f, 1.0f);
        flame.life = 20.0f;
        flame.scale = 0.18f;
        flame.growth = RandomRange(0.03f, 0.07f);
        arena.SpawnParticle(flame);
    }
}
