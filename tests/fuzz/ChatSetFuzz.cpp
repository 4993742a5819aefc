// Chat.cfg as map makers and players edit it: whatever it holds, the reader gives bounded sets
// of bounded lists, each remark a trimmed line, and finds a set by its name.
#include <cstdint>
#include <sstream>

#include "BotFileFuzz.h"
#include "bots/BotFileLines.h"
#include "bots/ChatSetFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::istringstream in(text);
    const std::vector<ChatSet> sets = ReadChatSets(in);
    if (sets.size() > kMostBotSections || sets.size() > LineCount(text)) __builtin_trap();
    for (const ChatSet& set : sets) {
        CheckLine(set.name);
        for (const auto& list : set.lists) {
            if (list.size() > kMostListLines) __builtin_trap();
            for (const std::string& line : list) {
                CheckLine(line);
                if (line.empty() || line.front() == ' ' || line.front() == '\t') __builtin_trap();
            }
        }
    }
    if (!sets.empty()) {
        const int found = FindChatSet(sets, sets.back().name);
        if (found < 0 || sets[static_cast<std::size_t>(found)].name != sets.back().name)
            __builtin_trap();
    }
    return 0;
}
