#include "weapons/kinds/WeaponPlatinum.h"

#include <memory>

#include "arena/Arena.h"
#include "core/Random.h"
#include "player/Player.h"
#include "weapons/effects/SmokePuff.h"
#include "weapons/kinds/ShotEffects.h"
#include "weapons/kinds/ShotLine.h"
#include "weapons/projectiles/Bullet.h"

namespace {
constexpr int kReloadAnimation = 2;
// The reload restarts the refire count this far below 0: a short pause before the next shot.
constexpr float kReloadPause = -30.0f;
constexpr float kBulletSpeed = 20.0f;
}  // namespace

void WeaponPlatinum::PressPrimary(Player& owner, Arena& arena) {
    // Gated like the other kinds: ROF caps the tapping rate and a reload is a real pause.
    const std::optional<ShotLine> shot = StartShot(owner, arena);
    if (!shot) return;
    ThrowCasing(owner, arena, ShellCasing::Kind::Rifle,
                Vec2{RandomRange(0.18f, 0.45f), RandomRange(-1.9f, -1.0f)});
    PuffSmoke(arena, shot->muzzle, Vec2{}, SmokeLook::Platinum);
    FlashMuzzle(arena, *shot, 1.0f);
    arena.AddObject(std::make_unique<Bullet>(AimedBullet(owner, *shot, kBulletSpeed, 50.0f)));
}

void WeaponPlatinum::PressSecondary(Player& owner, Arena& /*arena*/) {
    if (Ammo() != 0) return;
    owner.PlayUpperAnimation(kReloadAnimation);
    SetAmmo(kClip);
    Refire().Restart(kReloadPause);
}
