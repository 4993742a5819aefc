#include "TextTokens.h"

#include <charconv>
#include <cmath>
#include <system_error>

#include "TextError.h"
#include "core/TextScan.h"

namespace {

constexpr char kComment = '#';
constexpr char kQuote = '"';
constexpr char kEscape = '\\';

// Bytes a bare word may not hold: they would end it, start a comment or a quote, or not show.
bool NeedsQuoting(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return IsBlank(c) || c == kComment || c == kQuote || byte < 0x20 || byte == 0x7f;
}

// Inside quotes only the quote, the escape and unprintable bytes are written as escapes.
bool NeedsEscape(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return c == kQuote || c == kEscape || byte < 0x20 || byte == 0x7f;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Reads a quoted text starting after its opening quote; returns where reading goes on.
std::size_t ReadQuoted(std::string_view line, std::size_t at, std::string& text) {
    while (at < line.size()) {
        const char c = line[at++];
        if (c == kQuote) return at;
        if (c != kEscape) {
            text += c;
            continue;
        }
        if (at >= line.size()) break;
        const char escaped = line[at++];
        if (escaped == kQuote || escaped == kEscape) {
            text += escaped;
        } else if (escaped == 'x' && at + 2 <= line.size() && HexDigit(line[at]) >= 0 &&
                   HexDigit(line[at + 1]) >= 0) {
            text += static_cast<char>(HexDigit(line[at]) * 16 + HexDigit(line[at + 1]));
            at += 2;
        } else {
            throw TextError("unknown escape in quoted text; use \\\", \\\\ or \\xHH");
        }
    }
    throw TextError("quoted text is not closed");
}

}  // namespace

std::vector<TextToken> SplitTextLine(std::string_view line) {
    std::vector<TextToken> tokens;
    std::size_t at = 0;
    while (at < line.size()) {
        const char c = line[at];
        if (IsBlank(c)) {
            ++at;
        } else if (c == kComment) {
            break;
        } else if (c == kQuote) {
            TextToken token{.text = {}, .quoted = true};
            at = ReadQuoted(line, at + 1, token.text);
            if (at < line.size() && !IsBlank(line[at]) && line[at] != kComment)
                throw TextError("quoted text must be followed by a blank");
            tokens.push_back(std::move(token));
        } else {
            std::size_t end = at;
            while (end < line.size() && !IsBlank(line[end]) && line[end] != kComment) {
                if (line[end] == kQuote) throw TextError("a quote may only start a text");
                ++end;
            }
            tokens.push_back({.text = std::string(line.substr(at, end - at)), .quoted = false});
            at = end;
        }
    }
    return tokens;
}

std::string QuoteText(std::string_view text) {
    bool bare = !text.empty();
    for (const char c : text)
        bare = bare && !NeedsQuoting(c);
    if (bare) return std::string(text);
    static constexpr char kHex[] = "0123456789abcdef";
    std::string quoted(1, kQuote);
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == kQuote || c == kEscape) {
            quoted += kEscape;
            quoted += c;
        } else if (NeedsEscape(c)) {
            quoted += {kEscape, 'x', kHex[byte >> 4], kHex[byte & 15]};
        } else {
            quoted += c;
        }
    }
    return quoted + kQuote;
}

std::string FormatNumber(float value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

float ParseNumber(const TextToken& token) {
    const std::string& text = token.text;
    float value = 0.0f;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (token.quoted || result.ec == std::errc::invalid_argument ||
        result.ptr != text.data() + text.size())
        throw TextError("\"" + text + "\" is not a number");
    if (result.ec == std::errc::result_out_of_range)
        throw TextError("\"" + text + "\" is out of the range of a float");
    if (!std::isfinite(value)) throw TextError("\"" + text + "\" is not a finite number");
    return value;
}

std::int32_t ParseInteger(const TextToken& token) {
    const std::string& text = token.text;
    std::int32_t value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (token.quoted || result.ec != std::errc() || result.ptr != text.data() + text.size())
        throw TextError("\"" + text + "\" is not a whole number of 32 bits");
    return value;
}
