// Map text is typed by hand: the reader must refuse faults with a message, and every map it
// accepts must build, draw, print and build again to the same bytes.
#include <cstdint>
#include <sstream>
#include <string>

#include "MapSvg.h"
#include "MapTextReader.h"
#include "MapTextWriter.h"
#include "world/MapFile.h"

namespace {

std::optional<std::vector<std::uint8_t>> Build(const std::string& text) {
    std::istringstream in(text);
    const MapTextResult read = ReadMapText(in, "fuzz.map");
    if (!read.contents) {
        if (read.error.empty()) __builtin_trap();
        return std::nullopt;
    }
    return WriteMapFile(*read.contents);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto bytes = Build(std::string(reinterpret_cast<const char*>(data), size));
    if (!bytes) return 0;
    const MapReadResult built = ReadMapFile(*bytes);
    if (!built.contents) __builtin_trap();
    DrawMapSvg(*built.contents);  // any world, however far out or large, makes a picture
    const auto again = Build(WriteMapText(*built.contents));
    if (!again || *again != *bytes) __builtin_trap();
    return 0;
}
