// Response.cfg as players edit it: whatever it holds, the reader gives a bounded list of
// responses whose trigger words are spoken words already, and an answer to any text is one of
// the file's answers or "#none#".
#include <algorithm>
#include <cstdint>
#include <sstream>

#include "BotFileFuzz.h"
#include "bots/BotFileLines.h"
#include "bots/ResponseFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::istringstream in(text);
    const std::vector<Response> responses = ReadResponses(in);
    if (responses.size() > kMostResponses || responses.size() > LineCount(text)) __builtin_trap();
    for (const Response& response : responses) {
        if (response.triggers.empty() || response.answers.size() > kMostListLines) __builtin_trap();
        for (const std::string& trigger : response.triggers) {
            if (SpokenWords(trigger) != std::vector<std::string>{trigger}) __builtin_trap();
        }
    }
    // What was said is the file itself, cut to a line: its answer must come from the file.
    const std::string answer = FindResponse(responses, text.substr(0, kMaxDataLine));
    const bool known =
        answer == kNoResponse ||
        std::any_of(responses.begin(), responses.end(), [&](const Response& r) {
            return std::find(r.answers.begin(), r.answers.end(), answer) != r.answers.end();
        });
    if (!known) __builtin_trap();
    return 0;
}
