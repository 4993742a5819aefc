#pragma once

#include "weapons/kinds/BulletWeapon.h"

// The sidearm every life starts with: one bullet a press from an eight-round clip, reloaded by
// hand once it is empty.
class WeaponPlatinum : public BulletWeapon {
public:
    static constexpr int kClip = 8;

    WeaponPlatinum() : BulletWeapon(kClip, {20.0f, 0.0f}, 4.0f) {}

    void PressPrimary(Player& owner, Arena& arena) override;
    void PressSecondary(Player& owner, Arena& arena) override;
    int KindId() const override { return 1; }
};
