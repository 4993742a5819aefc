#pragma once

#include <cstddef>
#include <string>

#include "player/AnimationSet.h"

// A picture of a set for looking at it outside the game: one row per animation with its name,
// frame count, speed and playing time, and every frame as its stick figure beside a faint
// reference (the body box and the ground for the legs, the resting legs for the arms, a head at
// the neck, the gun at the weapon hand). `blends` in-between poses after each frame, drawn
// lighter, show how the frames flow into each other; the last blends back into the first, as a
// loop plays it.
template <std::size_t N>
std::string DrawAnimSvg(const AnimationSet<N>& set, int blends);

extern template std::string DrawAnimSvg(const AnimationSet<6>&, int);
extern template std::string DrawAnimSvg(const AnimationSet<5>&, int);
