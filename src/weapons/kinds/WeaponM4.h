#pragma once

#include "weapons/kinds/BulletWeapon.h"

// The automatic rifle: bullets while the trigger is held, and with "RPG" one rocket under the
// barrel that only a refill loads again.
class WeaponM4 : public BulletWeapon {
public:
    static constexpr int kFullAmmo = 60;

    WeaponM4() : BulletWeapon(kFullAmmo, {11.0f, 0.0f}, 3.0f) {}

    void Read(const WeaponDef& def, const Arena& arena) override;
    void HoldPrimary(Player& owner, Arena& arena) override;
    void PressSecondary(Player& owner, Arena& arena) override;
    int KindId() const override { return 3; }
    void Refill() override;

    bool RocketLoaded() const { return rocketLoaded_; }

private:
    bool rocketFitted_ = false;
    bool rocketLoaded_ = true;
    int rocketSound_ = -1;
};
