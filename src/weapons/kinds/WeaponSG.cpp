#include "weapons/kinds/WeaponSG.h"

#include <memory>

#include "arena/Arena.h"
#include "core/Geometry.h"
#include "core/Random.h"
#include "player/Player.h"
#include "weapons/WeaponKeys.h"
#include "weapons/effects/SmokePuff.h"
#include "weapons/kinds/KindKeys.h"
#include "weapons/kinds/ShotEffects.h"
#include "weapons/kinds/ShotLine.h"
#include "weapons/projectiles/Bullet.h"

namespace {
constexpr int kPellets = 11;
constexpr float kPelletSpread = 12.0f;
constexpr float kHelmetChance = 8.0f;
// The spray's gate is the rate of fire divided by this, in whole steps.
constexpr int kSprayRate = 20;
constexpr int kSmokePuffs = 8;
}  // namespace

void WeaponSG::Read(const WeaponDef& def, const Arena& arena) {
    Weapon::Read(def, arena);
    ReadKey(def, "ROF", rateOfFire_);
    fireSound_ = ReadSound(def, "FireSound", arena);
}

void WeaponSG::PressPrimary(Player& owner, Arena& arena) {
    static constexpr Volley kShells{3.0f, 9.0f, 7.5f, 2.5f, 23.0f, 32.0f};
    if (!refire_.ReadyAfter(rateOfFire_) || Ammo() <= 0) return;
    const ShotLine shot = ShotLine::Aim(owner, FireOffset());
    if (shot.MuzzleInWall(arena.Map())) return;
    SetAmmo(Ammo() - 1);
    ThrowCasing(owner, arena, ShellCasing::Kind::Shotgun,
                Vec2{RandomRange(0.18f, 0.45f), RandomRange(-1.9f, -1.0f)});
    Fire(owner, arena, shot, kShells);
}

void WeaponSG::HoldSecondary(Player& owner, Arena& arena) {
    static constexpr Volley kSpray{8.0f, 15.0f, 1.0f, 1.0f, 20.0f, 60.0f};
    if (!refire_.ReadyAfter(rateOfFire_ / kSprayRate) || Ammo() <= 0) return;
    const ShotLine shot = ShotLine::Aim(owner, FireOffset());
    if (shot.MuzzleInWall(arena.Map())) return;
    Fire(owner, arena, shot, kSpray);
}

void WeaponSG::Tick(Player& /*owner*/, Arena& arena) { refire_.Advance(arena.Step()); }

void WeaponSG::Fire(Player& owner, Arena& arena, const ShotLine& shot, const Volley& volley) {
    arena.PlaySound(fireSound_);
    refire_.Restart();
    Kick(owner);
    FirePellets(owner, arena, shot, volley);
    RollSmoke(arena, shot);
    FlashBlast(arena, shot.muzzle, shot.angle);
}

void WeaponSG::FirePellets(Player& owner, Arena& arena, const ShotLine& shot,
                           const Volley& volley) {
    for (int i = 0; i < kPellets; ++i) {
        BulletSetup pellet;
        pellet.owner = owner.Number();
        pellet.position = shot.muzzle;
        pellet.life = RandomRange(volley.lifeLow, volley.lifeHigh);
        pellet.healthDamage = volley.health;
        pellet.armourDamage = volley.armour;
        pellet.helmetChance = kHelmetChance;
        const float speedX = RandomRange(volley.speedLow, volley.speedHigh);
        const float speedY = RandomRange(volley.speedLow, volley.speedHigh);
        pellet.velocity = shot.Scatter(speedX, speedY, kPelletSpread);
        arena.AddObject(std::make_unique<Bullet>(pellet));
    }
}

// Smoke rolling slowly out along the shot.
void WeaponSG::RollSmoke(Arena& arena, const ShotLine& shot) {
    for (int i = 0; i < kSmokePuffs; ++i) {
        const float speed = RandomRange(0.1f, 1.0f);
        const ShotLine drift{shot.muzzle, shot.angle + RandomRange(-2.0f, 2.0f)};
        const Vec2 at = shot.muzzle + Vec2{RandomRange(-5.0f, 5.0f), RandomRange(-5.0f, 5.0f)};
        PuffSmoke(arena, at, drift.Direction() * speed, SmokeLook::Shotgun);
    }
}
