#pragma once

#include "core/Vec2.h"

// Everything a spawner decides about a particle, in one record: fill in what differs from the
// defaults and hand it to the match.
struct ParticleSetup {
    int sprite = -1;
    bool collides = true;
    Vec2 position{};
    Vec2 velocity{};
    float rotation = 0.0f;  // degrees
    float spin = 0.0f;      // degrees per step
    float gravity = 1.0f;   // factor on the fall acceleration
    float bounce = 1.0f;    // kept of the speed on a floor or ceiling
    Vec2 box{1.0f, 1.0f};   // half width and half height against the map
    float life = 100.0f;    // steps
    float scale = 1.0f;
    float growth = 0.0f;  // scale per step
    float alpha = 255.0f;
    float fade = 0.0f;  // alpha per step
};
