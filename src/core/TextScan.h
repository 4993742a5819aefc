#pragma once

#include <cstddef>
#include <string_view>

// Blanks and words as a formatted scan ("%s %d") sees them, for the text tables' line readers.
constexpr bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The text from its first character that is not a blank.
constexpr std::string_view SkipBlanks(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    return text.substr(i);
}

// How many characters the text's first word has (0 when it starts with a blank or is empty).
constexpr std::size_t WordLength(std::string_view text) {
    std::size_t length = 0;
    while (length < text.size() && !IsBlank(text[length]))
        ++length;
    return length;
}
