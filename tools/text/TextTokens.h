#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One word of a text line, or one "quoted text".
struct TextToken {
    std::string text;
    bool quoted = false;
};

// Splits a line into words and quoted texts and drops a '#' comment. Inside quotes, \" \\ and
// \xHH stand for a quote, a backslash and any byte. Throws TextError on a broken quote.
std::vector<TextToken> SplitTextLine(std::string_view line);

// The text as one token: bare when it reads back as itself, otherwise quoted and escaped.
std::string QuoteText(std::string_view text);

// The shortest decimal that reads back as exactly this float.
std::string FormatNumber(float value);
// A finite float written out in full; throws TextError naming the token otherwise.
float ParseNumber(const TextToken& token);
// A whole number that fits 32 bits; throws TextError otherwise.
std::int32_t ParseInteger(const TextToken& token);

// The words of a list as "a, b or c".
template <typename List, typename WordOf>
std::string JoinWords(const List& list, WordOf wordOf) {
    std::string joined;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (i > 0) joined += i + 1 == list.size() ? " or " : ", ";
        joined += wordOf(list[i]);
    }
    return joined;
}
