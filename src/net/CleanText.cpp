#include "net/CleanText.h"

std::string CleanText(std::string_view text, std::size_t limit, std::string_view fallback) {
    std::string clean;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        // Printable ASCII only: the fonts draw nothing else, and escapes must not reach a log.
        if (byte >= 0x20 && byte < 0x7f) clean += c;
        if (clean.size() >= limit) break;
    }
    const auto first = clean.find_first_not_of(' ');
    if (first == std::string::npos) return std::string(fallback);
    clean.erase(0, first);
    clean.erase(clean.find_last_not_of(' ') + 1);
    return clean;
}
