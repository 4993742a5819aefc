#include "weapons/kinds/BulletWeapon.h"

#include "arena/Arena.h"
#include "player/Player.h"
#include "weapons/WeaponKeys.h"
#include "weapons/kinds/ShotEffects.h"
#include "weapons/projectiles/Bullet.h"

void BulletWeapon::Read(const WeaponDef& def, const Arena& arena) {
    Weapon::Read(def, arena);
    ReadKey(def, "ROF", rateOfFire_);
    ReadDamage(def, damage_);
    ReadKey(def, "Accuracy", accuracy_);
    fireSound_ = ReadSound(def, "FireSound", arena);
}

void BulletWeapon::Tick(Player& /*owner*/, Arena& arena) { refire_.Advance(arena.Step()); }

std::optional<ShotLine> BulletWeapon::StartShot(Player& owner, Arena& arena) {
    if (!refire_.ReadyAfter(rateOfFire_) || Ammo() <= 0) return std::nullopt;
    const ShotLine shot = ShotLine::Aim(owner, FireOffset());
    if (shot.MuzzleInWall(arena.Map())) return std::nullopt;
    arena.PlaySound(fireSound_);
    SetAmmo(Ammo() - 1);
    refire_.Restart();
    Kick(owner);
    return shot;
}

BulletSetup BulletWeapon::AimedBullet(const Player& owner, const ShotLine& shot, float speed,
                                      float helmetChance) const {
    BulletSetup bullet;
    bullet.owner = owner.Number();
    bullet.position = shot.muzzle;
    bullet.velocity = shot.Scatter(speed, accuracy_);
    bullet.healthDamage = damage_.health;
    bullet.armourDamage = damage_.armour;
    bullet.helmetChance = helmetChance;
    return bullet;
}
