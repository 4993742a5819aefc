// Map files come from other players and the editor: the reader must refuse what does not fit
// without reading past the buffer, and whatever it accepts must save and load again unchanged.
#include <cstdint>

#include "world/MapFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const MapReadResult read = ReadMapFile({data, size});
    if (!read.contents) return 0;
    const std::vector<std::uint8_t> saved = WriteMapFile(*read.contents);
    const MapReadResult again = ReadMapFile(saved);
    if (!again.contents || WriteMapFile(*again.contents) != saved) __builtin_trap();
    return 0;
}
