#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One word of a map text line, or one "quoted text".
struct MapToken {
    std::string text;
    bool quoted = false;
};

// Splits a line into words and quoted texts and drops a '#' comment. Inside quotes, \" \\ and
// \xHH stand for a quote, a backslash and any byte. Throws MapTextError on a broken quote.
std::vector<MapToken> SplitMapLine(std::string_view line);

// The text as one token: bare when it reads back as itself, otherwise quoted and escaped.
std::string QuoteMapText(std::string_view text);

// The shortest decimal that reads back as exactly this float.
std::string FormatMapNumber(float value);
// A finite float written out in full; throws MapTextError naming the token otherwise.
float ParseMapNumber(const MapToken& token);
// A whole number that fits 32 bits; throws MapTextError otherwise.
std::int32_t ParseMapInteger(const MapToken& token);
