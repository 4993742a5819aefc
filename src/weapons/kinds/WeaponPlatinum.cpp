#include "weapons/kinds/WeaponPlatinum.h"

#include <memory>

#include "arena/Arena.h"
#include "core/Random.h"
#include "player/Player.h"
#include "weapons/WeaponKeys.h"
#include "weapons/kinds/ShotEffects.h"
#include "weapons/kinds/ShotLine.h"
#include "weapons/projectiles/Bullet.h"

namespace {
constexpr int kReloadAnimation = 2;
// The reload restarts the refire count this far below 0: a short pause before the next shot.
constexpr float kReloadPause = -30.0f;
constexpr float kBulletSpeed = 20.0f;
const SmokeLook kSmoke{250.0f, {7.0f, 8.0f}, {60.0f, 80.0f}, 0.3f, {0.012f, 0.015f}};
}  // namespace

void WeaponPlatinum::Read(const WeaponDef& def, const Arena& arena) {
    Weapon::Read(def, arena);
    ReadKey(def, "ROF", rateOfFire_);
    ReadDamage(def, damage_);
    ReadFinite(def, "Accuracy", accuracy_);
    fireSound_ = ReadSound(def, "FireSound", arena);
}

void WeaponPlatinum::PressPrimary(Player& owner, Arena& arena) {
    // Gated like the other kinds: ROF caps the tapping rate and a reload is a real pause.
    if (!refire_.ReadyAfter(rateOfFire_) || Ammo() <= 0) return;
    const ShotLine shot = ShotLine::Aim(owner, FireOffset());
    if (shot.MuzzleInWall(arena.Map())) return;
    arena.PlaySound(fireSound_);
    SetAmmo(Ammo() - 1);
    refire_.Restart();
    Kick(owner);
    ThrowCasing(owner, arena, ShellCasing::Kind::Rifle,
                Vec2{RandomRange(0.18f, 0.45f), RandomRange(-1.9f, -1.0f)});
    PuffSmoke(arena, shot.muzzle, Vec2{}, kSmoke);
    FlashMuzzle(arena, shot, 1.0f);
    BulletSetup bullet;
    bullet.owner = owner.Number();
    bullet.position = shot.muzzle;
    bullet.velocity = shot.Scatter(kBulletSpeed, accuracy_);
    bullet.healthDamage = damage_.health;
    bullet.armourDamage = damage_.armour;
    bullet.helmetChance = 50.0f;
    arena.AddObject(std::make_unique<Bullet>(bullet));
}

void WeaponPlatinum::PressSecondary(Player& owner, Arena& /*arena*/) {
    if (Ammo() != 0) return;
    owner.PlayUpperAnimation(kReloadAnimation);
    SetAmmo(kClip);
    refire_.Restart(kReloadPause);
}

void WeaponPlatinum::Tick(Player& /*owner*/, Arena& arena) { refire_.Advance(arena.Step()); }
