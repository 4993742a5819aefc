#pragma once

#include "core/Vec2.h"

class Arena;

// A blast at `at` hurts every player in play with a clear line to it and nearer than `radius`:
// the full radius at its centre, nothing at its edge. The dead burst, credited to `owner`; the
// living bleed (or, through armour, spark).
void BlastDamage(Arena& arena, Vec2 at, float radius, int owner);
// What a blast knocks out of a survivor standing at `at`: blood, or sparks off `armour`. A
// client is told and makes the same.
void BlastWound(Arena& arena, Vec2 at, bool armour);
