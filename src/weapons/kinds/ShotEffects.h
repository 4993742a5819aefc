#pragma once

#include "core/Vec2.h"
#include "weapons/effects/ShellCasing.h"

class Arena;
class Player;
struct ShotLine;

// What every shot throws around it, shared by the kinds; each passes its own numbers. A client
// is told of each casing and flash and makes them with the same functions.

// The recoil: the arms' kick animation.
void Kick(Player& owner);
// A spent case from the breech (the arm's second point), thrown backwards: `velocity` is as
// for a player facing left and turns round for one facing right.
void ThrowCasing(Player& owner, Arena& arena, ShellCasing::Kind kind, Vec2 velocity);
// A spent case thrown from `at`; its spin is drawn here.
void ThrowCasing(Arena& arena, ShellCasing::Kind kind, Vec2 at, Vec2 velocity);
void FlashMuzzle(Arena& arena, const ShotLine& shot, float scale);
// A flash at `at`, turned by `angle` degrees.
void FlashMuzzle(Arena& arena, Vec2 at, float angle, float scale);
// A shotgun's flash: the fire of the blast, swelling and fading fast in front of the muzzle
// as it drifts along the shot.
void FlashBlast(Arena& arena, Vec2 muzzle, float angle);
