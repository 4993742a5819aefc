#pragma once

#include "core/Vec2.h"

class Arena;

// A blast at `at` hurts every player in play with a clear line to it and nearer than `radius`:
// the full radius at its centre, nothing at its edge. The dead burst, credited to `owner`; the
// living bleed (or, through armour, spark).
void BlastDamage(Arena& arena, Vec2 at, float radius, int owner);
