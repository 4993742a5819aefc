#include "bots/ResponseFile.h"

#include <algorithm>
#include <cctype>

#include "bots/BotFileLines.h"
#include "core/DataLine.h"
#include "core/Random.h"

namespace {
constexpr std::string_view kAnyWords = "#random#";

bool Matches(const Response& response, const std::vector<std::string>& words) {
    return std::any_of(response.triggers.begin(), response.triggers.end(),
                       [&](const std::string& trigger) {
                           if (trigger == kAnyWords) return !words.empty();
                           return std::find(words.begin(), words.end(), trigger) != words.end();
                       });
}
}  // namespace

std::vector<std::string> SpokenWords(std::string_view text) {
    std::string plain;
    for (const char c : text) {
        if (c == '.' || c == '!' || c == '?' || c == ',') continue;
        plain.push_back(c == '-' ? ' '
                                 : static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
    }
    std::vector<std::string> words;
    for (const std::string_view word : SplitFields(plain, ' '))
        words.emplace_back(word);
    return words;
}

std::vector<Response> ReadResponses(std::istream& in) {
    std::vector<Response> responses;
    for (std::string line; ReadDataLine(in, line);) {
        if (line.empty() || line.front() == ';') continue;
        Response response;
        for (const std::string_view part : SplitFields(line, ',')) {
            for (std::string& word : SpokenWords(part))
                response.triggers.push_back(std::move(word));
        }
        for (std::string text; ReadDataLine(in, text);) {
            const auto answer = SectionLine(text);
            if (!answer) continue;
            if (*answer == "}") break;
            AppendBounded(response.answers, *answer);
        }
        // A trigger line of punctuation alone matches nothing and is not kept.
        if (!response.triggers.empty())
            AppendBounded(responses, std::move(response), kMostResponses);
    }
    return responses;
}

std::string FindResponse(const std::vector<Response>& responses, std::string_view text) {
    const std::vector<std::string> words = SpokenWords(text);
    std::vector<const Response*> matching;
    for (const Response& response : responses) {
        if (Matches(response, words)) matching.push_back(&response);
    }
    if (matching.empty()) return kNoResponse;
    const Response& chosen = *AnyOf(matching);
    return chosen.answers.empty() ? kNoResponse : AnyOf(chosen.answers);
}
