#pragma once

#include "core/Vec2.h"

class Arena;
class Player;
class View;
enum class Facing;

// A weapon a player carries. The kinds override what they do; the base does nothing, so a
// section of unknown kind still makes a weapon that can be carried and drawn.
class Weapon {
public:
    Weapon() = default;
    virtual ~Weapon() = default;
    Weapon(const Weapon&) = delete;
    Weapon& operator=(const Weapon&) = delete;

    // Draws the weapon in the hand (world coordinates); the renderer is already mirrored for a
    // player facing right, and `angle` is the aim as the sprite must turn.
    virtual void DrawInHand(Facing /*facing*/, Vec2 /*hand*/, float /*angle*/,
                            const View& /*view*/) const {}
    // Once a frame for every weapon carried, not only the one in hand.
    virtual void Tick(Player& /*owner*/, Arena& /*arena*/) {}
    virtual int KindId() const { return 0; }
};
