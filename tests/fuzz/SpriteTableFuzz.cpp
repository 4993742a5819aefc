// Sprite tables are text files users edit: whatever they hold, the reader must stay inside its
// buffers and only ever hand out names that fit the table's name field.
#include <cstdint>
#include <sstream>
#include <string>

#include "content/SpriteTableFile.h"
#include "core/DataLine.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    ReadSpriteTable(in, [](const std::string& imageName, const SpriteLine& sprite) {
        if (sprite.name.empty() || sprite.name.size() > kMaxSpriteName) __builtin_trap();
        if (imageName.size() > kMaxDataLine) __builtin_trap();
        if (sprite.name.find_first_of(std::string(" \t\n\r\0", 5)) != std::string::npos)
            __builtin_trap();
    });
    return 0;
}
