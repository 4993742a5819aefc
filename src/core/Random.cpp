#include "core/Random.h"

namespace {
unsigned int g_state = 1;
}

void SeedRandom(unsigned int seed) { g_state = seed; }

int RandomInt() {
    // Linear congruential step with the constants of the classic 15-bit generator.
    g_state = g_state * 214013u + 2531011u;
    return static_cast<int>((g_state >> 16) & 0x7fffu);
}

float RandomRange(float low, float high) {
    const auto r = static_cast<float>(RandomInt());
    return r / static_cast<float>(kRandomMax) * (high - low) + low;
}
