#pragma once

#include "core/Vec2.h"
#include "weapons/Weapon.h"
#include "weapons/kinds/BurstSound.h"

// A beam that flickers from the muzzle to whatever it meets while the trigger is held. It
// hurts nobody and never runs dry; like the Platinum it counts as a sidearm.
class WeaponBlaster : public Weapon {
public:
    void Read(const WeaponDef& def, const Arena& arena) override;
    void HoldPrimary(Player& owner, Arena& arena) override;
    void Tick(Player& owner, Arena& arena) override;
    int KindId() const override { return 1; }
    void DrawEffects(const View& view) const override;

    // The beam as the last tick left it.
    bool BeamShows() const { return beam_.shows; }
    Vec2 BeamEnd() const { return beam_.end; }

private:
    // What the beam draws: traced and given its flicker in the tick, only shown by the draw.
    struct Beam {
        bool shows = false;
        Vec2 start;
        Vec2 end;
        float outerWidth = 1.0f;
        float innerWidth = 1.0f;
    };

    BurstSound sound_;  // none unless the section names one
    // Kept from the file but unused: the beam does not scatter.
    float accuracy_ = 4.0f;
    bool firing_ = false;
    Beam beam_;
};
