#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

// Straight (not premultiplied) RGBA pixels, rows top-down.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;

    Picture() = default;
    Picture(int w, int h) : width(w), height(h), rgba(static_cast<std::size_t>(w) * h * 4, 0) {}
    std::uint8_t* At(int x, int y) { return &rgba[(static_cast<std::size_t>(y) * width + x) * 4]; }
    const std::uint8_t* At(int x, int y) const {
        return &rgba[(static_cast<std::size_t>(y) * width + x) * 4];
    }
};

// Throws when the file cannot be read as a PNG.
Picture ReadPng(const std::filesystem::path& path);
// Copies the picture into the sheet with its top-left corner at (x, y).
void Blit(const Picture& from, Picture& to, int x, int y);
// Gives fully transparent pixels the colour of their visible neighbours, so filtered sampling
// at a sprite's edge blends towards its own colours instead of black.
void BleedColours(Picture& picture, int passes);
// An uncompressed true-colour TGA, rows bottom-up as the game's reader expects.
void WriteTga(const Picture& picture, int bitsPerPixel, const std::filesystem::path& path);
