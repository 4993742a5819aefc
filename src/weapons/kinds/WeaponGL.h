#pragma once

#include "weapons/Weapon.h"
#include "weapons/kinds/RefireTimer.h"

// The grenade launcher: one bouncing grenade a press, or for three grenades a fan of thirty
// that burst one after another along the line of fire.
class WeaponGL : public Weapon {
public:
    static constexpr int kFullAmmo = 15;

    WeaponGL() { SetAmmo(kFullAmmo); }

    void Read(const WeaponDef& def, const Arena& arena) override;
    void PressPrimary(Player& owner, Arena& arena) override;
    void PressSecondary(Player& owner, Arena& arena) override;
    void Tick(Player& owner, Arena& arena) override;
    int KindId() const override { return 2; }
    void Refill() override { SetAmmo(kFullAmmo); }

private:
    RefireTimer refire_;
    int rateOfFire_ = 0;
    int fireSound_ = -1;  // none unless the section names one
};
