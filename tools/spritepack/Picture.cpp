#include "Picture.h"

#include <png.h>

#include <cstring>
#include <fstream>
#include <stdexcept>

Picture ReadPng(const std::filesystem::path& path) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str()))
        throw std::runtime_error(path.string() + ": " + image.message);
    image.format = PNG_FORMAT_RGBA;
    Picture picture(static_cast<int>(image.width), static_cast<int>(image.height));
    if (!png_image_finish_read(&image, nullptr, picture.rgba.data(), 0, nullptr)) {
        png_image_free(&image);
        throw std::runtime_error(path.string() + ": " + image.message);
    }
    return picture;
}

void Blit(const Picture& from, Picture& to, int x, int y) {
    for (int row = 0; row < from.height; ++row)
        std::memcpy(to.At(x, y + row), from.At(0, row), static_cast<std::size_t>(from.width) * 4);
}

void BleedColours(Picture& picture, int passes) {
    for (int pass = 0; pass < passes; ++pass) {
        Picture before = picture;
        for (int y = 0; y < picture.height; ++y) {
            for (int x = 0; x < picture.width; ++x) {
                if (before.At(x, y)[3] != 0) continue;
                int sum[3] = {0, 0, 0};
                int count = 0;
                for (int dy = -1; dy <= 1; ++dy) {
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int nx = x + dx;
                        const int ny = y + dy;
                        if (nx < 0 || ny < 0 || nx >= picture.width || ny >= picture.height)
                            continue;
                        const std::uint8_t* p = before.At(nx, ny);
                        // Visible, or already given a colour by an earlier pass.
                        if (p[3] == 0 && p[0] == 0 && p[1] == 0 && p[2] == 0) continue;
                        for (int c = 0; c < 3; ++c)
                            sum[c] += p[c];
                        ++count;
                    }
                }
                if (count == 0) continue;
                for (int c = 0; c < 3; ++c)
                    picture.At(x, y)[c] = static_cast<std::uint8_t>(sum[c] / count);
            }
        }
    }
}

void WriteTga(const Picture& picture, int bitsPerPixel, const std::filesystem::path& path) {
    const int bytesPerPixel = bitsPerPixel / 8;
    std::vector<std::uint8_t> bytes(18, 0);
    bytes[2] = 2;  // uncompressed true colour
    bytes[12] = static_cast<std::uint8_t>(picture.width & 0xff);
    bytes[13] = static_cast<std::uint8_t>(picture.width >> 8);
    bytes[14] = static_cast<std::uint8_t>(picture.height & 0xff);
    bytes[15] = static_cast<std::uint8_t>(picture.height >> 8);
    bytes[16] = static_cast<std::uint8_t>(bitsPerPixel);
    bytes[17] = bitsPerPixel == 32 ? 8 : 0;  // alpha bits; origin bottom-left
    for (int y = picture.height - 1; y >= 0; --y) {
        for (int x = 0; x < picture.width; ++x) {
            const std::uint8_t* p = picture.At(x, y);
            const std::uint8_t bgra[] = {p[2], p[1], p[0], p[3]};
            bytes.insert(bytes.end(), bgra, bgra + bytesPerPixel);
        }
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path.string());
}
