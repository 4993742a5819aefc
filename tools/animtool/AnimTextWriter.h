#pragma once

#include <cstddef>
#include <string>

#include "player/AnimationSet.h"

// The set as text that ReadAnimText reads back to the same animations, every one of the ten
// written out, so building it again gives the same file bytes.
template <std::size_t N>
std::string WriteAnimText(const AnimationSet<N>& set);

extern template std::string WriteAnimText(const AnimationSet<6>&);
extern template std::string WriteAnimText(const AnimationSet<5>&);
