#pragma once

#include "weapons/Weapon.h"
#include "weapons/kinds/RefireTimer.h"

struct ShotLine;

// The shotgun: eleven pellets a press, and held on the second trigger a weak spray twenty
// times as fast that costs no shells.
class WeaponSG : public Weapon {
public:
    static constexpr int kFullAmmo = 12;

    WeaponSG() { SetAmmo(kFullAmmo); }

    void Read(const WeaponDef& def, const Arena& arena) override;
    void PressPrimary(Player& owner, Arena& arena) override;
    void HoldSecondary(Player& owner, Arena& arena) override;
    void Tick(Player& owner, Arena& arena) override;
    int KindId() const override { return 6; }
    void Refill() override { SetAmmo(kFullAmmo); }

private:
    // How a volley of pellets flies and hurts.
    struct Volley {
        float lifeLow;
        float lifeHigh;
        float health;
        float armour;
        float speedLow;
        float speedHigh;
    };

    // The shot both triggers share: sound, restart, kick, pellets and the blast at the muzzle.
    void Fire(Player& owner, Arena& arena, const ShotLine& shot, const Volley& volley);
    static void FirePellets(Player& owner, Arena& arena, const ShotLine& shot,
                            const Volley& volley);
    static void RollSmoke(Arena& arena, const ShotLine& shot);

    RefireTimer refire_;
    int fireSound_ = -1;
    int rateOfFire_ = 0;
};
