#pragma once

#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "player/AnimationSet.h"

using AnyAnimationSet = std::variant<LowerAnimationSet, UpperAnimationSet>;

struct AnimTextResult {
    std::optional<AnyAnimationSet> set;  // none when the text was refused
    std::string error;                   // "<file>:<line>: <what>"
};

// Reads an animation set written as text, one record a line, '#' starting a comment:
//   figure lower|upper         first, once: which figure the frames are of
//   animation INDEX [NAME]     0 to 9, each at most once; the name, when given, must be its own
//   speed NUMBER               at most once an animation: the phase gained per step
//   frame X Y X Y ...          one pose: x y of every point of the figure
// An animation named starts with no frames; one never named keeps the two default poses and
// the default speed. The first fault refuses the whole text; `fileName` only labels the error.
AnimTextResult ReadAnimText(std::istream& in, const std::string& fileName);

// The .bwv bytes of either figure's set.
std::vector<std::uint8_t> SaveAnimationSet(const AnyAnimationSet& set);
