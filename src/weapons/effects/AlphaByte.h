#pragma once

#include <cstdint>

// An opacity as the renderer takes it: truncated, held within 0 to 255, and 0 for NaN.
inline std::uint8_t AlphaByte(float alpha) {
    if (!(alpha > 0.0f)) return 0;
    return alpha < 255.0f ? static_cast<std::uint8_t>(alpha) : 255;
}
