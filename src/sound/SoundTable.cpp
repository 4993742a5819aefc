#include "sound/SoundTable.h"

#include <algorithm>
#include <istream>

#include "core/DataLine.h"
#include "core/TextScan.h"

namespace {
// Larger counts are held at this; nothing can use more copies.
constexpr long kCopiesLimit = 1'000'000;

// The text of a decimal number with an optional sign at the start, as a formatted scan reads
// it; empty without digits.
std::string_view CountText(std::string_view text) {
    const std::size_t digitsAt = !text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0;
    std::size_t end = digitsAt;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9')
        ++end;
    return end > digitsAt ? text.substr(0, end) : std::string_view();
}

// The value of CountText's text, held within kCopiesLimit.
int ReadCount(std::string_view text) {
    const bool negative = text.front() == '-';
    long value = 0;
    for (const char c : text.substr(text.front() == '-' || text.front() == '+' ? 1 : 0)) {
        value = std::min(value * 10 + (c - '0'), kCopiesLimit);
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
    const std::string_view count = CountText(SkipBlanks(rest.substr(nameLength)));
    if (!count.empty()) {
        parsed.copies = ReadCount(count);
        parsed.copiesAsWritten = count;
    }
    return parsed;
}

void ReadSoundTable(std::istream& in, const std::function<void(const SoundTableLine&)>& onLine) {
    for (std::string line; ReadDataLine(in, line);) {
        // A formatted scan stops at the first NUL, so the line ends there too.
        if (const auto parsed = ParseSoundTableLine(std::string_view(line.c_str())))
            onLine(*parsed);
    }
}
