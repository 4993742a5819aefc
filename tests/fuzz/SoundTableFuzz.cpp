// The sound table reader meets any text: every line it gives names a file of at most 39
// characters without blanks, and no more lines come out than went in.
#include <cstdint>
#include <sstream>
#include <string>

#include "sound/SoundTable.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::istringstream in(text);
    std::size_t lines = 0;
    ReadSoundTable(in, [&](const SoundTableLine& line) {
        ++lines;
        if (line.fileName.empty() || line.fileName.size() > kMaxSoundFileName ||
            line.fileName.find_first_of(" \t\r\n") != std::string::npos) {
            __builtin_trap();
        }
    });
    std::size_t breaks = 0;
    for (const char c : text)
        breaks += c == '\n';
    if (lines > breaks + 1) __builtin_trap();
    return 0;
}
