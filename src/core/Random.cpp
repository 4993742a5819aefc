#include "core/Random.h"

namespace {
RandomGenerator g_generator;
}

int RandomGenerator::Next() {
    // Linear congruential step with the constants of the classic 15-bit generator.
    state_ = state_ * 214013u + 2531011u;
    return static_cast<int>((state_ >> 16) & 0x7fffu);
}

void SeedRandom(unsigned int seed) { g_generator.Seed(seed); }

int RandomInt() { return g_generator.Next(); }

float RandomRange(float low, float high) {
    const auto r = static_cast<float>(RandomInt());
    return r / static_cast<float>(kRandomMax) * (high - low) + low;
}
