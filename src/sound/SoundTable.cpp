#include "sound/SoundTable.h"

#include <algorithm>
#include <istream>

#include "core/DataLine.h"
#include "core/TextScan.h"

namespace {
// Larger counts are held at this; nothing can use more copies.
constexpr long kCopiesLimit = 1'000'000;

// A decimal number with an optional sign, as a formatted scan reads it; none without digits.
std::optional<int> ReadCount(std::string_view text) {
    std::size_t at = 0;
    const bool negative = at < text.size() && text[at] == '-';
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) ++at;
    if (at >= text.size() || text[at] < '0' || text[at] > '9') return std::nullopt;
    long value = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        value = value * 10 + (text[at] - '0');
        if (value > kCopiesLimit) value = kCopiesLimit;
    }
    return static_cast<int>(negative ? -value : value);
}
}  // namespace

std::optional<SoundTableLine> ParseSoundTableLine(std::string_view line) {
    if (line.empty() || line.front() == ';') return std::nullopt;
    const std::string_view rest = SkipBlanks(line);
    const std::size_t nameLength = WordLength(rest);
    if (nameLength == 0) return std::nullopt;
    SoundTableLine parsed;
    parsed.fileName = rest.substr(0, std::min(nameLength, kMaxSoundFileName));
    parsed.copies = ReadCount(SkipBlanks(rest.substr(nameLength))).value_or(1);
    return parsed;
}

void ReadSoundTable(std::istream& in, const std::function<void(const SoundTableLine&)>& onLine) {
    for (std::string line; ReadDataLine(in, line);) {
        // A formatted scan stops at the first NUL, so the line ends there too.
        if (const auto parsed = ParseSoundTableLine(std::string_view(line.c_str())))
            onLine(*parsed);
    }
}
