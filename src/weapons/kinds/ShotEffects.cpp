#include "weapons/kinds/ShotEffects.h"

#include <memory>

#include "arena/Arena.h"
#include "arena/EffectScope.h"
#include "player/Player.h"
#include "weapons/effects/MuzzleFlash.h"
#include "weapons/kinds/ShotLine.h"

namespace {
constexpr int kKickAnimation = 1;
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
