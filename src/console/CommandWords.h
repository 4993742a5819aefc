#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A console line's words: the runs of characters between blanks. Only " " separates, so a tab
// is part of a word, as the command language has always read it.
std::vector<std::string> SplitCommandWords(std::string_view line);

// A number argument read as a formatted scan's "%d" reads it: leading blanks, a sign, digits;
// what follows the digits is ignored. None when no digit comes; past the int range it saturates.
std::optional<int> ReadCommandNumber(std::string_view word);
