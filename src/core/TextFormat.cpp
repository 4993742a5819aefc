#include "core/TextFormat.h"

#include <cstdio>

std::string FormatLine(const char* format, std::va_list args) {
    char buffer[kMaxLineLength + 1];
    const int written = std::vsnprintf(buffer, sizeof buffer, format, args);
    if (written < 0) return {};
    return std::string(buffer);
}

std::string FormatLineF(const char* format, ...) {
    std::va_list args;
    va_start(args, format);
    std::string line = FormatLine(format, args);
    va_end(args);
    return line;
}
