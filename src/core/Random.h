#pragma once

#include <cstddef>
#include <iterator>

// The game's random generator. It yields 0..32767 like the classic C library generator on
// every platform, so a run started with the same seed repeats exactly.
inline constexpr int kRandomMax = 32767;

// One sequence of its own. The match draws from the shared one below; a service whose draws
// depend on outside timing (the sound device's busy copies) keeps its own, so the match's
// sequence never depends on it.
class RandomGenerator {
public:
    explicit RandomGenerator(unsigned int seed = 1) : state_(seed) {}
    void Seed(unsigned int seed) { state_ = seed; }
    int Next();  // 0..kRandomMax, both ends included

private:
    unsigned int state_;
};

void SeedRandom(unsigned int seed);
int RandomInt();                           // 0..kRandomMax, both ends included
float RandomRange(float low, float high);  // both ends can occur

// One element of a list, drawn with the game's generator; the list must not be empty.
template <typename List>
const auto& AnyOf(const List& items) {
    return items[static_cast<std::size_t>(RandomInt()) % std::size(items)];
}
