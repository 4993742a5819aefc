#pragma once

#include "weapons/Weapon.h"
#include "weapons/kinds/BurstSound.h"
#include "weapons/kinds/RefireTimer.h"

// The flame thrower: a tongue of fire every time its gate opens while the trigger is held,
// carried along by the runner's own speed.
class WeaponFlamer : public Weapon {
public:
    static constexpr int kFullAmmo = 150;

    WeaponFlamer() { SetAmmo(kFullAmmo); }

    void Read(const WeaponDef& def, const Arena& arena) override;
    void HoldPrimary(Player& owner, Arena& arena) override;
    void Tick(Player& owner, Arena& arena) override;
    int KindId() const override { return 7; }
    void Refill() override { SetAmmo(kFullAmmo); }

private:
    RefireTimer refire_;
    int rateOfFire_ = 0;
    float burns_ = 1.5f;  // "Power": 0 makes flames that only show
    float accuracy_ = 3.0f;
    BurstSound sound_;  // none unless the section names one
};
