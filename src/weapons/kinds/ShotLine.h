#pragma once

#include "core/Vec2.h"

class GameMap;
class Player;

// Where a shot leaves the weapon and which way it flies, from the player's hand and aim.
struct ShotLine {
    Vec2 muzzle;
    float angle = 0.0f;  // degrees; 180 is straight left, 360 straight right

    // The fire offset's x runs along the aim (negative is ahead of the hand); its y is a plain
    // vertical shift.
    static ShotLine Aim(const Player& owner, Vec2 fireOffset);

    // A unit vector along the shot.
    Vec2 Direction() const;
    // Shot velocity with separate speeds and separate random spreads (degrees, ± `spread`) for
    // the two axes; both spreads are drawn, x first.
    Vec2 Scatter(float speedX, float speedY, float spread) const;
    Vec2 Scatter(float speed, float spread) const { return Scatter(speed, speed, spread); }
    // A muzzle inside a solid platform: the weapon would fire from within the wall.
    bool MuzzleInWall(const GameMap& map) const;
};
