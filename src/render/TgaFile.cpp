#include "render/TgaFile.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace {
constexpr std::size_t kHeaderSize = 18;
constexpr int kTrueColour = 2;
constexpr int kRunLengthTrueColour = 10;
// Descriptor bits: pixels stored right to left, rows stored top to bottom.
constexpr std::uint8_t kRightToLeft = 0x10;
constexpr std::uint8_t kTopToBottom = 0x20;

bool IsAllowedSide(int side) {
    for (int allowed = 2; allowed <= kMaxTextureSide; allowed *= 2) {
        if (side == allowed) return true;
    }
    return false;
}

int ReadLittle16(const std::uint8_t* p) { return p[0] | (p[1] << 8); }

// Where the pixels start: after the header, the image ID and the colour map when there is one
// (colour-map type 1), which a true-colour picture does not use.
std::size_t PixelStart(const std::uint8_t* header) {
    if (header[1] != 1) return kHeaderSize + header[0];
    const std::size_t mapEntries = static_cast<std::size_t>(ReadLittle16(header + 5));
    const std::size_t mapEntryBytes = (static_cast<std::size_t>(header[7]) + 7) / 8;
    return kHeaderSize + header[0] + mapEntries * mapEntryBytes;
}

// Run-length packets: a count byte (high bit: one pixel repeated; else that many raw pixels),
// low seven bits one less than the pixels it stands for.
TgaResult DecodeRuns(const std::uint8_t* in, std::size_t size, std::size_t bpp,
                     std::vector<std::uint8_t>& out) {
    std::size_t at = 0;
    std::size_t written = 0;
    while (written < out.size()) {
        if (at >= size) return TgaResult::CutShort;
        const std::uint8_t packet = in[at++];
        const std::size_t pixels = static_cast<std::size_t>(packet & 0x7f) + 1;
        if (pixels * bpp > out.size() - written) return TgaResult::RunPastPicture;
        const bool repeated = (packet & 0x80) != 0;
        const std::size_t bytes = repeated ? bpp : pixels * bpp;
        if (size - at < bytes) return TgaResult::CutShort;
        for (std::size_t i = 0; i < pixels; ++i) {
            const std::uint8_t* pixel = in + at + (repeated ? 0 : i * bpp);
            std::copy(pixel, pixel + bpp, out.begin() + static_cast<long>(written));
            written += bpp;
        }
        at += bytes;
    }
    return TgaResult::Ok;
}

// Turns stored pixels into RGB(A), bottom row first, left to right.
void ToRgbBottomUp(TgaPixels& out, std::uint8_t descriptor) {
    const std::size_t bpp = static_cast<std::size_t>(out.BytesPerPixel());
    const std::size_t rowBytes = static_cast<std::size_t>(out.width) * bpp;
    auto& data = out.data;
    for (std::size_t i = 0; i < data.size(); i += bpp)
        std::swap(data[i], data[i + 2]);
    if (descriptor & kRightToLeft) {
        for (std::size_t row = 0; row < data.size(); row += rowBytes) {
            for (std::size_t l = row, r = row + rowBytes - bpp; l < r; l += bpp, r -= bpp)
                std::swap_ranges(data.begin() + static_cast<long>(l),
                                 data.begin() + static_cast<long>(l + bpp),
                                 data.begin() + static_cast<long>(r));
        }
    }
    if (descriptor & kTopToBottom) {
        for (std::size_t top = 0, bottom = data.size() - rowBytes; top < bottom;
             top += rowBytes, bottom -= rowBytes)
            std::swap_ranges(data.begin() + static_cast<long>(top),
                             data.begin() + static_cast<long>(top + rowBytes),
                             data.begin() + static_cast<long>(bottom));
    }
}
}  // namespace

TgaResult ParseTga(const std::uint8_t* bytes, std::size_t size, TgaPixels& out) {
    if (size < kHeaderSize) return TgaResult::CutShort;
    out.imageType = bytes[2];
    out.width = ReadLittle16(bytes + 12);
    out.height = ReadLittle16(bytes + 14);
    out.bitsPerPixel = bytes[16];
    const bool trueColour = out.imageType == kTrueColour || out.imageType == kRunLengthTrueColour;
    if (!trueColour) return TgaResult::WrongType;
    if (!IsAllowedSide(out.width) || !IsAllowedSide(out.height)) return TgaResult::NotPowerOfTwo;
    if (out.bitsPerPixel != 24 && out.bitsPerPixel != 32) return TgaResult::UnsupportedDepth;

    const std::size_t start = PixelStart(bytes);
    if (start > size) return TgaResult::CutShort;
    const std::size_t bpp = static_cast<std::size_t>(out.BytesPerPixel());
    const std::size_t length = static_cast<std::size_t>(out.width) * out.height * bpp;
    if (out.imageType == kRunLengthTrueColour) {
        out.data.assign(length, 0);
        const TgaResult runs = DecodeRuns(bytes + start, size - start, bpp, out.data);
        if (runs != TgaResult::Ok) {
            out.data.clear();
            return runs;
        }
    } else {
        if (size - start < length) return TgaResult::CutShort;
        out.data.assign(bytes + start, bytes + start + length);
    }
    ToRgbBottomUp(out, bytes[17]);
    return TgaResult::Ok;
}

TgaResult ReadTga(const std::filesystem::path& path, TgaPixels& out) {
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file) return TgaResult::CannotOpen;
    // Never more than the largest file that can hold an allowed picture (every pixel its own
    // run-length packet, after the longest image ID and colour map), nor than the file holds.
    constexpr std::size_t kMaxPixels = std::size_t{kMaxTextureSide} * kMaxTextureSide;
    constexpr std::size_t kMaxBytes = kHeaderSize + 255 + std::size_t{65535} * 32 + kMaxPixels * 5;
    const std::streamoff end = file.tellg();
    const std::size_t size = end > 0 ? std::min(static_cast<std::size_t>(end), kMaxBytes) : 0;
    file.seekg(0);
    std::vector<std::uint8_t> bytes(size);
    file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size));
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    return ParseTga(bytes.data(), bytes.size(), out);
}

std::string DescribeTgaResult(TgaResult result, const TgaPixels& header) {
    switch (result) {
        case TgaResult::Ok:
            return "read";
        case TgaResult::CannotOpen:
            return "cannot open the file";
        case TgaResult::WrongType:
            return "image type " + std::to_string(header.imageType) +
                   "; only true colour, plain (2) or run-length (10), is read";
        case TgaResult::NotPowerOfTwo:
            return "it is " + std::to_string(header.width) + " x " + std::to_string(header.height) +
                   "; each side must be a power of two from 2 to " +
                   std::to_string(kMaxTextureSide);
        case TgaResult::UnsupportedDepth:
            return std::to_string(header.bitsPerPixel) + " bits a pixel; only 24 and 32 are read";
        case TgaResult::CutShort:
            return "the file is cut short";
        case TgaResult::RunPastPicture:
            return "a run-length packet runs past the end of the picture";
    }
    return "unreadable";
}
