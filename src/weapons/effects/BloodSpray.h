#pragma once

#include "core/Vec2.h"

class Arena;

// What a shot's hit throws: blood (or, off armour, sparks) carried on along the shot.
struct BloodSprayShot {
    Vec2 at;
    Vec2 velocity;           // the shot's
    float speedLow = 0.15f;  // range of the drops' speed, as factors of the shot's
    float speedHigh = 0.28f;
    int count = 3;
    bool armour = false;  // sparks instead of blood
};

void BloodSpray(Arena& arena, const BloodSprayShot& shot);
// One drop from a headless neck at `at`, rising a little before it falls.
void DripBlood(Arena& arena, Vec2 at);
