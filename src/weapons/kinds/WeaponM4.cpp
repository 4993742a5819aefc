#include "weapons/kinds/WeaponM4.h"

#include <memory>

#include "arena/Arena.h"
#include "core/Random.h"
#include "player/Player.h"
#include "weapons/WeaponKeys.h"
#include "weapons/effects/SmokePuff.h"
#include "weapons/kinds/ShotEffects.h"
#include "weapons/kinds/ShotLine.h"
#include "weapons/projectiles/Bullet.h"
#include "weapons/projectiles/Rocket.h"

namespace {
constexpr float kBulletSpeed = 13.0f;
constexpr float kRocketSpeed = 6.0f;
}  // namespace

void WeaponM4::Read(const WeaponDef& def, const Arena& arena) {
    BulletWeapon::Read(def, arena);
    rocketFitted_ = ReadFlag(def, "RPG");
    rocketLoaded_ = rocketFitted_;
    rocketSound_ = ReadSound(def, "RPGFireSound", arena);
}

void WeaponM4::HoldPrimary(Player& owner, Arena& arena) {
    const std::optional<ShotLine> shot = StartShot(owner, arena);
    if (!shot) return;
    ThrowCasing(owner, arena, ShellCasing::Kind::Rifle,
                Vec2{RandomRange(0.2f, 0.45f), RandomRange(-2.0f, -1.0f)});
    FlashMuzzle(arena, *shot, 1.0f);
    arena.AddObject(std::make_unique<Bullet>(AimedBullet(owner, *shot, kBulletSpeed, 20.0f)));
    PuffSmoke(arena, shot->muzzle, Vec2{RandomRange(-0.1f, 0.1f), RandomRange(-0.5f, -0.45f)},
              SmokeLook::Rifle);
}

void WeaponM4::PressSecondary(Player& owner, Arena& arena) {
    if (!rocketFitted_ || !rocketLoaded_) return;
    const ShotLine shot = ShotLine::Aim(owner, FireOffset());
    if (shot.MuzzleInWall(arena.Map())) return;
    rocketLoaded_ = false;
    arena.PlaySound(rocketSound_);
    Kick(owner);
    arena.AddObject(std::make_unique<Rocket>(owner.Number(), arena.Sprites().rocket, shot.muzzle,
                                             shot.Direction() * kRocketSpeed));
}

void WeaponM4::Refill() {
    SetAmmo(kFullAmmo);
    if (rocketFitted_) rocketLoaded_ = true;
}
