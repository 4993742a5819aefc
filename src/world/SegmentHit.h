#pragma once

class Platform;

// Where a segment first meets a platform; the segment's end point and t = 1 when it does not.
struct SegmentHit {
    int side = 0;  // a PlatformSide
    float x = 0.0f;
    float y = 0.0f;
    float t = 1.0f;
    const Platform* platform = nullptr;
};
