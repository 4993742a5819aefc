#include "weapons/kinds/WeaponGL.h"

#include <memory>

#include "arena/Arena.h"
#include "player/Player.h"
#include "weapons/WeaponKeys.h"
#include "weapons/kinds/KindKeys.h"
#include "weapons/kinds/ShotEffects.h"
#include "weapons/kinds/ShotLine.h"
#include "weapons/projectiles/Grenade.h"

namespace {
constexpr float kThrowSpeed = 3.0f;
constexpr int kFanCost = 3;
constexpr int kFanGrenades = 30;
// The fan's grenades go out ever faster and burst this many steps apart, the first after five.
constexpr float kFanFirstSpeed = 3.0f;
constexpr float kFanFirstBurst = 5.0f;
constexpr float kFanBurstGap = 0.25f;
// After a fan the launcher waits this many times its rate of fire longer.
constexpr float kFanCooling = -4.0f;
}  // namespace

void WeaponGL::Read(const WeaponDef& def, const Arena& arena) {
    Weapon::Read(def, arena);
    ReadKey(def, "ROF", rateOfFire_);
    // A launch is worth hearing; a section without the key stays silent.
    fireSound_ = ReadSound(def, "FireSound", arena);
}

void WeaponGL::PressPrimary(Player& owner, Arena& arena) {
    if (!refire_.ReadyAfter(rateOfFire_) || Ammo() <= 0) return;
    const ShotLine shot = ShotLine::Aim(owner, FireOffset());
    if (shot.MuzzleInWall(arena.Map())) return;
    SetAmmo(Ammo() - 1);
    refire_.Restart();
    arena.PlaySound(fireSound_);
    Kick(owner);
    arena.AddObject(std::make_unique<Grenade>(owner.Number(), arena.Sprites().grenade, shot.muzzle,
                                              shot.Direction() * kThrowSpeed));
}

void WeaponGL::PressSecondary(Player& owner, Arena& arena) {
    if (!refire_.ReadyAfter(rateOfFire_) || Ammo() < kFanCost) return;
    const ShotLine shot = ShotLine::Aim(owner, FireOffset());
    if (shot.MuzzleInWall(arena.Map())) return;
    SetAmmo(Ammo() - kFanCost);
    // As a float: a huge rate of fire must not overflow.
    refire_.Restart(kFanCooling * static_cast<float>(rateOfFire_));
    arena.PlaySound(fireSound_);
    Kick(owner);
    for (int i = 0; i < kFanGrenades; ++i) {
        const auto n = static_cast<float>(i);
        const float burstsAfter = kFanFirstBurst + kFanBurstGap * n;
        arena.AddObject(std::make_unique<Grenade>(
            owner.Number(), arena.Sprites().grenade, shot.muzzle,
            shot.Direction() * (n + kFanFirstSpeed), Grenade::kFuse - burstsAfter));
    }
}

void WeaponGL::Tick(Player& /*owner*/, Arena& arena) { refire_.Advance(arena.Step()); }
