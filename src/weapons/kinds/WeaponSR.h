#pragma once

#include "core/Vec2.h"
#include "weapons/kinds/BulletWeapon.h"

// The sniper rifle: one fast, hard bullet a press, and a red laser from the muzzle to whatever
// it points at while it is in hand.
class WeaponSR : public BulletWeapon {
public:
    static constexpr int kFullAmmo = 10;

    WeaponSR() : BulletWeapon(kFullAmmo, {50.0f, 0.0f}, 1.0f) {}

    void Read(const WeaponDef& def, const Arena& arena) override;
    void PressPrimary(Player& owner, Arena& arena) override;
    void Tick(Player& owner, Arena& arena) override;
    int KindId() const override { return 4; }
    void Refill() override { SetAmmo(kFullAmmo); }
    void DrawEffects(const View& view) const override;

    // The laser as the last tick left it.
    bool LaserShows() const { return laser_.shows; }
    Vec2 LaserEnd() const { return laser_.end; }

private:
    // What the laser draws: traced and turned in the tick, only shown by the draw.
    struct Laser {
        bool shows = false;
        Vec2 start;
        Vec2 end;
        float spotRotation = 0.0f;
    };

    void AimLaser(Player& owner, Arena& arena);

    int spotSprite_ = -1;
    Laser laser_;
};
