#include "weapons/kinds/WeaponFlamer.h"

#include "arena/Arena.h"
#include "player/Player.h"
#include "weapons/WeaponKeys.h"
#include "weapons/kinds/KindKeys.h"
#include "weapons/kinds/ShotLine.h"
#include "weapons/projectiles/Flame.h"

namespace {
constexpr float kFlameSpeed = 3.0f;
}  // namespace

void WeaponFlamer::Read(const WeaponDef& def, const Arena& arena) {
    Weapon::Read(def, arena);
    ReadKey(def, "ROF", rateOfFire_);
    ReadKey(def, "Power", burns_);
    ReadKey(def, "Accuracy", accuracy_);
    sound_.SetSound(ReadSound(def, "FireSound", arena));
}

void WeaponFlamer::HoldPrimary(Player& owner, Arena& arena) {
    if (!refire_.ReadyAfter(rateOfFire_) || Ammo() <= 0) return;
    const ShotLine shot = ShotLine::Aim(owner, FireOffset());
    if (shot.MuzzleInWall(arena.Map())) return;
    SetAmmo(Ammo() - 1);
    refire_.Restart();
    // No kick: the fire pours out steadily.
    sound_.Fire(arena);
    const Vec2 velocity = shot.Scatter(kFlameSpeed, accuracy_) + Vec2{owner.Velocity().x, 0.0f};
    Flame::Pour(arena, owner.Number(), shot.muzzle, velocity, burns_);
}

void WeaponFlamer::Tick(Player& /*owner*/, Arena& arena) {
    refire_.Advance(arena.Step());
    sound_.Tick(arena.Step());
}
