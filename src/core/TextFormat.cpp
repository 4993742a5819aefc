#include "core/TextFormat.h"

#include <cstdio>

std::string FormatLine(const char* format, std::va_list args) {
    char buffer[kMaxLineLength + 1];
    // The callers start the list; the analyser does not follow it across the call.
    // NOLINTNEXTLINE(clang-analyzer-valist.Uninitialized)
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

std::string Printable(std::string_view text) {
    std::string shown;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7f && byte != '\\') {
            shown += c;
            continue;
        }
        char escaped[5];
        std::snprintf(escaped, sizeof escaped, "\\x%02x", byte);
        shown += escaped;
    }
    return shown;
}
