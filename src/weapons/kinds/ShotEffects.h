#pragma once

#include "core/Vec2.h"
#include "weapons/effects/ShellCasing.h"

class Arena;
class Player;
struct ShotLine;

// What every shot throws around it, shared by the kinds; each passes its own numbers.

// A random number between two bounds, drawn when the effect is made.
struct RandomSpan {
    float low = 0.0f;
    float high = 0.0f;

    float Draw() const;
};

// How a puff of smoke at the muzzle looks and lasts; its spin and rotation are always random.
struct SmokeLook {
    float alpha = 150.0f;
    RandomSpan fade{3.0f, 5.0f};
    RandomSpan life{60.0f, 80.0f};
    float scale = 0.2f;
    RandomSpan growth{0.012f, 0.015f};
};

// The recoil: the arms' kick animation.
void Kick(Player& owner);
// A spent case from the breech (the arm's second point), thrown backwards: `velocity` is as
// for a player facing left and turns round for one facing right.
void ThrowCasing(Player& owner, Arena& arena, ShellCasing::Kind kind, Vec2 velocity);
void FlashMuzzle(Arena& arena, const ShotLine& shot, float scale);
// Smoke that neither falls nor meets the map.
void PuffSmoke(Arena& arena, Vec2 position, Vec2 velocity, const SmokeLook& look);
