#pragma once

// Four floats; as a rectangle: left, top, right, bottom with y growing downwards.
struct Float4 {
    float x1 = 0.0f;
    float y1 = 0.0f;
    float x2 = 0.0f;
    float y2 = 0.0f;
};
