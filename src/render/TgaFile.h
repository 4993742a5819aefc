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
    CutShort = 17,
    RunPastPicture = 18,
};

// Pixels of a true-colour TGA, plain or run-length encoded, bytes in RGB or RGBA order, rows
// bottom-up and left to right whatever origin the file was written with.
struct TgaPixels {
    // Set as soon as the header is read, even when the file is then refused.
    int imageType = 0;
    int width = 0;
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
// Why a file was refused, for the log: "it is 3 x 3; each side must be ...".
std::string DescribeTgaResult(TgaResult result, const TgaPixels& header);
