#pragma once

// Sides of a platform in world coordinates (y grows downwards, so the top is the smaller y).
enum PlatformSide : int {
    kSideNone = 0,
    kSideLeft = 1,    // x = x1
    kSideTop = 2,     // y = y1
    kSideRight = 3,   // x = x2
    kSideBottom = 4,  // y = y2
};

// Flags of a segment test; other bits are ignored by a single platform.
inline constexpr int kSkipTopAndBottom = 16;
inline constexpr int kSkipLeftAndRight = 32;
