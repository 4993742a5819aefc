#pragma once

#include "core/Vec2.h"

class Arena;

// How big a blast looks: its smoke puffs and the three fireballs inside them.
struct ExplosionSize {
    int smokeCount;
    float smokeScale;
    float smokeGrowthLow;  // scale per step, a random one in the range
    float smokeGrowthHigh;
    float blastScale;
    float blastGrowthLow;
    float blastGrowthHigh;
};

// The smoke and fire of a blast at `at`; it makes no sound and hurts nobody.
void ExplosionCloud(Arena& arena, Vec2 at, const ExplosionSize& size);
