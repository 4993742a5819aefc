#pragma once

// The game's one random generator. It yields 0..32767 like the classic C library
// generator on every platform, so a run started with the same seed repeats exactly.
inline constexpr int kRandomMax = 32767;

void SeedRandom(unsigned int seed);
int RandomInt();                           // 0..kRandomMax, both ends included
float RandomRange(float low, float high);  // both ends can occur
