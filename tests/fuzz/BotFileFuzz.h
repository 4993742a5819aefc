#pragma once

#include <cstddef>
#include <string>

#include "core/DataLine.h"

// What every bot-file reader must hold to, whatever the text: lines of the file's width, and no
// more sections than the text has lines.
inline void CheckLine(const std::string& line) {
    if (line.size() > kMaxDataLine) __builtin_trap();
}

inline std::size_t LineCount(const std::string& text) {
    std::size_t lines = 1;
    for (const char c : text)
        lines += c == '\n';
    return lines;
}
