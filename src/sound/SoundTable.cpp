#include "sound/SoundTable.h"

#include <istream>
#include <limits>

namespace {
// Larger counts are held at this; nothing can use more copies.
constexpr long kCopiesLimit = 1'000'000;

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::size_t SkipBlanks(std::string_view text, std::size_t at) {
    while (at < text.size() && IsBlank(text[at]))
        ++at;
    return at;
}

std::size_t SkipWord(std::string_view text, std::size_t at) {
    while (at < text.size() && !IsBlank(text[at]))
        ++at;
    return at;
}

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
    const std::size_t nameStart = SkipBlanks(line, 0);
    const std::size_t nameEnd = SkipWord(line, nameStart);
    if (nameStart == nameEnd) return std::nullopt;
    SoundTableLine parsed;
    parsed.fileName = line.substr(nameStart, std::min(nameEnd - nameStart, kMaxSoundFileName));
    const std::size_t countStart = SkipBlanks(line, nameEnd);
    parsed.copies = ReadCount(line.substr(countStart)).value_or(1);
    return parsed;
}

void ReadSoundTable(std::istream& in, const std::function<void(const SoundTableLine&)>& onLine) {
    char buffer[kMaxSoundTableLine + 1];
    while (in) {
        in.getline(buffer, sizeof buffer);
        if (in.gcount() == 0 && !in) break;
        if (in.fail() && !in.eof()) {
            // The line was longer than a buffer: keep its start, skip the rest.
            in.clear();
            in.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
        }
        // A formatted scan stops at the first NUL, so the line ends there too.
        if (const auto parsed = ParseSoundTableLine(std::string_view(buffer))) onLine(*parsed);
    }
}
