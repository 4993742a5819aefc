#pragma once

#include <string>
#include <string_view>
#include <vector>

// What Tab makes of a half-typed word.
struct WordCompletion {
    // The word, lengthened as far as every candidate that fits it agrees.
    std::string word;
    // Exactly one candidate fits: the word is that candidate.
    bool whole = false;
    // The fitting candidates, sorted, when more than one fits.
    std::vector<std::string> choices;
};

// Completes `partial` from the candidates that begin with it (case-sensitive, as commands and
// file names compare).
WordCompletion CompleteWord(std::string_view partial, std::vector<std::string> candidates);
