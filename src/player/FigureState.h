#pragma once

#include "core/Vec2.h"
#include "player/AnimationState.h"

// What a client needs to draw one fighter and his line of the HUD: where he stands, how he is
// posed, what he holds. The host reads it off the player; a client's copy of the player takes
// it in place of a simulation.
struct FigureState {
    bool inPlay = false;
    bool facingRight = false;
    bool crouched = false;
    bool hasHead = true;
    bool hasHelmet = true;
    bool bulletTime = false;
    int team = 0;
    Vec2 position;
    float aim = 0.0f;
    AnimationState lower;
    AnimationState upper;
    int weapon = -1;  // the weapon file's section in hand, by place; -1 for none
    int ammo = 0;
    float health = 0.0f;
    float armour = 0.0f;
    int frags = 0;
};
