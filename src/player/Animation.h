#pragma once

#include <cstddef>
#include <vector>

#include "player/Pose.h"

// Poses played in order, each blending into the next; `speed` is the phase gained per step.
template <std::size_t N>
struct Animation {
    static constexpr float kDefaultSpeed = 0.008f;

    std::vector<Pose<N>> frames = std::vector<Pose<N>>(2);
    float speed = kDefaultSpeed;
};
