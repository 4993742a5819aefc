#include "render/Image.h"

float Image::TexCoordU(int x) const {
    if (x == 0) return 0.0f;
    return static_cast<float>(x) / static_cast<float>(width_);
}

float Image::TexCoordV(int y) const {
    const float inverse = 1.0f / static_cast<float>(height_);
    return static_cast<float>(y) * inverse;
}
