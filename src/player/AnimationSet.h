#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "player/Animation.h"
#include "player/AnimationState.h"

// What reading an animation file found wrong: one line per fault, naming the animation.
struct AnimationLoadReport {
    int recordsRead = 0;
    std::vector<std::string> problems;
};

// The ten animations of one figure, as one .bwv file holds them: the lower-body set (legs and
// torso) or the upper-body set (arms). The match plays the first three of each.
template <std::size_t N>
class AnimationSet {
public:
    static constexpr int kAnimations = 10;

    // "Standing", "Running", ... for the lower set; "Normal", "Kick", ... for the upper; an
    // index out of range gives "Unused".
    static const char* Name(int index);

    Animation<N>& Get(int index) { return animations_.at(static_cast<std::size_t>(index)); }
    const Animation<N>& Get(int index) const {
        return animations_.at(static_cast<std::size_t>(index));
    }

    // Advances the state by the step and writes the blended pose. True when a one-shot
    // animation ended in this call; the state has then moved on to its follow-up.
    // The phase stays within [0, 1], so the pose never leaves its two frames, whatever the
    // speed's sign.
    bool Animate(Pose<N>& pose, AnimationState& state, float step) const;
    // Points the state at an animation and frames this set has: an unknown animation starts
    // over at the first, frames that are gone start over at the first two.
    void Fit(AnimationState& state) const;

    // Reads the records of a .bwv file in index order, little-endian, until ten are read or the
    // bytes run out. Reading stops at a record that is cut short or does not make sense; that
    // animation and the ones after it keep what they held.
    AnimationLoadReport Load(std::span<const std::uint8_t> bytes);
    // All ten records in index order.
    std::vector<std::uint8_t> Save() const;

    // Gives every animation below `count` with fewer than two frames the two default poses, so
    // it can be played; returns the indexes that were mended.
    std::vector<int> MendUnplayable(int count);

private:
    std::array<Animation<N>, kAnimations> animations_{};
};

using LowerAnimationSet = AnimationSet<6>;
using UpperAnimationSet = AnimationSet<5>;

extern template class AnimationSet<6>;
extern template class AnimationSet<5>;
