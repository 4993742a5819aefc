#pragma once

#include <array>
#include <cstddef>

#include "core/Random.h"

// Where the sprites of everything that lives in a match sit in the graphics table, found once
// per match. A name the table lacks finds its first sprite, the "missing picture" mark; -1
// (without any table) draws nothing.
struct MatchSprites {
    int head = -1;
    int helmet = -1;
    int cigaretteSmoke = -1;
    int smoke = -1;
    int spark = -1;
    int explosion = -1;
    int flash = -1;
    int rifleCasing = -1;
    int shotgunCasing = -1;
    int grenade = -1;
    int rocket = -1;
    int flame = -1;
    int laserSpot = -1;
    std::array<int, 3> blood{-1, -1, -1};
    std::array<int, 4> armourFragments{-1, -1, -1, -1};
    std::array<int, 2> respawn{-1, -1};
    int cursor = -1;
    // The pick-ups'.
    int smallHealth = -1;
    int health = -1;
    int ammo = -1;
    int armour = -1;

    // One of the variants, chosen by a random number.
    int AnyBlood() const { return blood[static_cast<std::size_t>(RandomInt()) % blood.size()]; }
    int AnyArmourFragment() const {
        return armourFragments[static_cast<std::size_t>(RandomInt()) % armourFragments.size()];
    }
};
