#pragma once

#include <cstdint>

// Four bytes in memory order red, green, blue, alpha, handed to the graphics library as such.
struct Colour {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    std::uint8_t a = 255;
};

inline bool operator==(Colour x, Colour y) {
    return x.r == y.r && x.g == y.g && x.b == y.b && x.a == y.a;
}

inline constexpr Colour kWhite{255, 255, 255, 255};
