#pragma once

class Platform;

// What pushing a rectangle out of platforms did: the last platform that pushed it and from
// which side, and the platform it was pushed up onto, if any.
struct PushResult {
    const Platform* platform = nullptr;
    int side = 0;  // a PlatformSide
    const Platform* ground = nullptr;
};
