#pragma once

#include <cstddef>
#include <iterator>

// The game's one random generator. It yields 0..32767 like the classic C library
// generator on every platform, so a run started with the same seed repeats exactly.
inline constexpr int kRandomMax = 32767;

void SeedRandom(unsigned int seed);
int RandomInt();                           // 0..kRandomMax, both ends included
float RandomRange(float low, float high);  // both ends can occur

// One element of a list, drawn with the game's generator; the list must not be empty.
template <typename List>
const auto& AnyOf(const List& items) {
    return items[static_cast<std::size_t>(RandomInt()) % std::size(items)];
}
