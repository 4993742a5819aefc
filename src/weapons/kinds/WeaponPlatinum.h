#pragma once

#include "weapons/Weapon.h"
#include "weapons/kinds/KindKeys.h"
#include "weapons/kinds/RefireTimer.h"

// The sidearm every life starts with: one bullet a press from an eight-round clip, reloaded by
// hand once it is empty.
class WeaponPlatinum : public Weapon {
public:
    static constexpr int kClip = 8;

    WeaponPlatinum() { SetAmmo(kClip); }

    void Read(const WeaponDef& def, const Arena& arena) override;
    void PressPrimary(Player& owner, Arena& arena) override;
    void PressSecondary(Player& owner, Arena& arena) override;
    void Tick(Player& owner, Arena& arena) override;
    int KindId() const override { return 1; }

private:
    RefireTimer refire_;
    int fireSound_ = -1;
    int rateOfFire_ = 0;
    ShotDamage damage_{20.0f, 0.0f};
    float accuracy_ = 4.0f;
};
