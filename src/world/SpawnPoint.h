#pragma once

#include <cstdint>

// A place where players enter the match; team 0 is any team, 1 red, 2 blue.
struct SpawnPoint {
    float x = 0.0f;
    float y = 0.0f;
    std::int32_t team = 0;
};
