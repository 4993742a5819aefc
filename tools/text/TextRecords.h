#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "TextError.h"
#include "TextTokens.h"

// One kind of line of a tool's text: the word it starts with, how many words may follow, how to
// say so, and the reader's member that takes them with the line number.
template <typename Reader>
struct TextRecord {
    using Args = std::span<const TextToken>;

    std::string_view word;
    std::size_t least;
    std::size_t most;
    const char* usage;
    void (Reader::*read)(Args, int);
};

// Hands the words after the line's first word to the record it names; throws TextError for an
// unknown record or a wrong number of words.
template <typename Reader, std::size_t K>
void ReadTextRecord(Reader& reader, const std::array<TextRecord<Reader>, K>& records,
                    const std::vector<TextToken>& tokens, int line) {
    const TextToken& word = tokens.front();
    for (const TextRecord<Reader>& record : records) {
        if (word.quoted || word.text != record.word) continue;
        const auto args = typename TextRecord<Reader>::Args(tokens).subspan(1);
        if (args.size() < record.least || args.size() > record.most) {
            throw TextError(std::string(record.word) + " takes " + record.usage + "; " +
                            std::to_string(args.size()) + " given");
        }
        (reader.*record.read)(args, line);
        return;
    }
    throw TextError("unknown record \"" + word.text + "\"; a line starts with " +
                    JoinWords(records, [](const TextRecord<Reader>& r) { return r.word; }));
}
