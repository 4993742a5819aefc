// The TGA reader meets files made by users: nothing it is given may read past the buffer.
#include <cstdint>

#include "render/TgaFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TgaPixels pixels;
    if (ParseTga(data, size, pixels) == TgaResult::Ok) {
        // A file that is accepted must have delivered every pixel it promised.
        const auto expected = static_cast<std::size_t>(pixels.width) *
                              static_cast<std::size_t>(pixels.height) *
                              static_cast<std::size_t>(pixels.BytesPerPixel());
        if (pixels.data.size() != expected) __builtin_trap();
    }
    return 0;
}
