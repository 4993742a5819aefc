#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// Result codes of reading a TGA file for a texture.
enum class TgaResult {
    Ok = 1,
    CannotOpen = 13,
    WrongType = 14,
    NotPowerOfTwo = 15,
    UnsupportedDepth = 16,
    PixelDataShort = 17,
};

// Pixels of an uncompressed true-colour TGA, bytes in RGB or RGBA order, rows as stored in the
// file (bottom-up for ordinary files).
struct TgaPixels {
    int width = 0;  // set as soon as the header is read, even when the file is then refused
    int height = 0;
    int bitsPerPixel = 0;
    std::vector<std::uint8_t> data;

    int BytesPerPixel() const { return bitsPerPixel / 8; }
};

// Largest side a texture may have.
inline constexpr int kMaxTextureSide = 512;

TgaResult ReadTga(const std::filesystem::path& path, TgaPixels& out);
// The same rules over bytes already in memory (the fuzz target and tests use it).
TgaResult ParseTga(const std::uint8_t* bytes, std::size_t size, TgaPixels& out);
