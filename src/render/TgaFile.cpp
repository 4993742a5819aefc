#include "render/TgaFile.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace {
constexpr std::size_t kHeaderSize = 18;

bool IsAllowedSide(int side) {
    for (int allowed = 2; allowed <= kMaxTextureSide; allowed *= 2) {
        if (side == allowed) return true;
    }
    return false;
}

int ReadLittle16(const std::uint8_t* p) { return p[0] | (p[1] << 8); }
}  // namespace

TgaResult ParseTga(const std::uint8_t* bytes, std::size_t size, TgaPixels& out) {
    if (size < 3 || bytes[1] != 0 || bytes[2] != 2) return TgaResult::WrongType;
    if (size < kHeaderSize) return TgaResult::WrongType;
    out.width = ReadLittle16(bytes + 12);
    out.height = ReadLittle16(bytes + 14);
    out.bitsPerPixel = bytes[16];
    if (!IsAllowedSide(out.width) || !IsAllowedSide(out.height)) return TgaResult::NotPowerOfTwo;
    if (out.bitsPerPixel != 24 && out.bitsPerPixel != 32) return TgaResult::UnsupportedDepth;

    const std::size_t bpp = static_cast<std::size_t>(out.BytesPerPixel());
    const std::size_t length = static_cast<std::size_t>(out.width) * out.height * bpp;
    if (size - kHeaderSize < length) return TgaResult::PixelDataShort;
    out.data.assign(bytes + kHeaderSize, bytes + kHeaderSize + length);
    for (std::size_t i = 0; i < length; i += bpp)
        std::swap(out.data[i], out.data[i + 2]);
    return TgaResult::Ok;
}

TgaResult ReadTga(const std::filesystem::path& path, TgaPixels& out) {
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file) return TgaResult::CannotOpen;
    // Never more than the header and the largest allowed picture, and no more than the file holds.
    constexpr std::size_t kMaxBytes =
        kHeaderSize + static_cast<std::size_t>(kMaxTextureSide) * kMaxTextureSide * 4;
    const std::streamoff end = file.tellg();
    const std::size_t size = end > 0 ? std::min(static_cast<std::size_t>(end), kMaxBytes) : 0;
    file.seekg(0);
    std::vector<std::uint8_t> bytes(size);
    file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size));
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    return ParseTga(bytes.data(), bytes.size(), out);
}
