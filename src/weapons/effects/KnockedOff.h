#pragma once

#include "core/Vec2.h"

class Arena;

// What a bullet knocks off a head; a client is told and throws the same.

// A head shot clean off at `at` by a shot flying at `velocity`, in a spray of blood; the head
// flies off at a speed drawn between the shot's blood speeds.
void KnockOffHead(Arena& arena, Vec2 at, Vec2 velocity, float speedLow, float speedHigh);
// A helmet sent flying from `at`.
void KnockOffHelmet(Arena& arena, Vec2 at, Vec2 velocity);
