#pragma once

#include <cstdint>
#include <vector>

#include "support/FileText.h"

// The bytes of a TGA file: the 18-byte header, then the pixel bytes exactly as given (BGR or
// BGRA, rows in file order, so bottom row first for an ordinary picture).
inline std::vector<std::uint8_t> TgaBytes(int width, int height, int bitsPerPixel,
                                          const std::vector<std::uint8_t>& pixels,
                                          std::uint8_t imageType = 2) {
    std::vector<std::uint8_t> bytes(18, 0);
    bytes[2] = imageType;
    bytes[12] = static_cast<std::uint8_t>(width & 0xff);
    bytes[13] = static_cast<std::uint8_t>(width >> 8);
    bytes[14] = static_cast<std::uint8_t>(height & 0xff);
    bytes[15] = static_cast<std::uint8_t>(height >> 8);
    bytes[16] = static_cast<std::uint8_t>(bitsPerPixel);
    bytes.insert(bytes.end(), pixels.begin(), pixels.end());
    return bytes;
}

// The same file with an image ID (a comment, as some tools write) between header and pixels.
inline std::vector<std::uint8_t> WithImageId(std::vector<std::uint8_t> tga,
                                             const std::vector<std::uint8_t>& id) {
    tga[0] = static_cast<std::uint8_t>(id.size());
    tga.insert(tga.begin() + 18, id.begin(), id.end());
    return tga;
}

// A picture of one colour, every pixel the given BGR(A) bytes.
inline std::vector<std::uint8_t> SolidTga(int width, int height,
                                          const std::vector<std::uint8_t>& pixel) {
    std::vector<std::uint8_t> pixels;
    for (int i = 0; i < width * height; ++i)
        pixels.insert(pixels.end(), pixel.begin(), pixel.end());
    return TgaBytes(width, height, static_cast<int>(pixel.size()) * 8, pixels);
}
