#pragma once

#include <optional>

#include "weapons/Weapon.h"
#include "weapons/kinds/KindKeys.h"
#include "weapons/kinds/RefireTimer.h"
#include "weapons/kinds/ShotLine.h"

struct BulletSetup;

// What the guns that fire single bullets share: their keys ("ROF", "Power" as a pair,
// "Accuracy", "FireSound"), the refire count, and how every shot begins.
class BulletWeapon : public Weapon {
public:
    void Read(const WeaponDef& def, const Arena& arena) override;
    void Tick(Player& owner, Arena& arena) override;

protected:
    BulletWeapon(int ammo, ShotDamage damage, float accuracy)
        : damage_(damage), accuracy_(accuracy) {
        SetAmmo(ammo);
    }

    // A shot when the gun is ready, loaded and its muzzle is clear: the sound, one round less,
    // the count restarted and the kick. None when it may not fire.
    std::optional<ShotLine> StartShot(Player& owner, Arena& arena);
    // A bullet from the muzzle with the gun's damage, spread by its accuracy.
    BulletSetup AimedBullet(const Player& owner, const ShotLine& shot, float speed,
                            float helmetChance) const;
    RefireTimer& Refire() { return refire_; }

private:
    RefireTimer refire_;
    int fireSound_ = -1;
    int rateOfFire_ = 0;
    ShotDamage damage_;
    float accuracy_;
};
