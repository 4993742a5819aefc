#pragma once

class Platform;

// The first contact of a moving box with a platform: the box centre at contact.
struct SweepHit {
    float x = 0.0f;
    float y = 0.0f;
    float t = 1.0f;
    const Platform* platform = nullptr;
    int side = 0;  // a PlatformSide
};
