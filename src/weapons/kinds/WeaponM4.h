#pragma once

#include "weapons/Weapon.h"
#include "weapons/kinds/KindKeys.h"
#include "weapons/kinds/RefireTimer.h"

// The automatic rifle: bullets while the trigger is held, and with "RPG" one rocket under the
// barrel that only a refill loads again.
class WeaponM4 : public Weapon {
public:
    static constexpr int kFullAmmo = 60;

    WeaponM4() { SetAmmo(kFullAmmo); }

    void Read(const WeaponDef& def, const Arena& arena) override;
    void HoldPrimary(Player& owner, Arena& arena) override;
    void PressSecondary(Player& owner, Arena& arena) override;
    void Tick(Player& owner, Arena& arena) override;
    int KindId() const override { return 3; }
    void Refill() override;

    bool RocketLoaded() const { return rocketLoaded_; }

private:
    RefireTimer refire_;
    bool rocketFitted_ = false;
    bool rocketLoaded_ = true;
    int fireSound_ = -1;
    int rocketSound_ = -1;
    int rateOfFire_ = 0;
    ShotDamage damage_{11.0f, 0.0f};
    float accuracy_ = 3.0f;
};
