#include "bots/ChatSetFile.h"

#include <array>

#include "bots/BotFileLines.h"
#include "core/DataLine.h"

namespace {
// The list keys in event order.
constexpr std::array<std::string_view, kChatEventCount> kListKeys = {"kill", "death", "suicide",
                                                                     "hello", "misc"};

int ListOf(std::string_view key) {
    for (std::size_t i = 0; i < kListKeys.size(); ++i) {
        if (kListKeys[i] == key) return static_cast<int>(i);
    }
    return -1;
}

// Reads up to the section's closing "}"; inside a list every line is a remark up to the
// list's own "}".
void ReadChatSection(std::istream& in, ChatSet& set) {
    int list = -1;
    for (std::string text; ReadDataLine(in, text);) {
        const auto line = SectionLine(text);
        if (!line) continue;
        if (list >= 0) {
            if (*line == "}") {
                list = -1;
            } else {
                AppendBounded(set.lists[static_cast<std::size_t>(list)], *line);
            }
            continue;
        }
        if (*line == "}") return;
        const std::vector<std::string_view> fields = SplitFields(*line, '=');
        if (fields.empty()) continue;
        if (fields[0] == "name") {
            if (fields.size() > 1) set.name = fields[1];
        } else if (const int found = ListOf(fields[0]); found >= 0) {
            list = found;
        }
    }
}
}  // namespace

std::vector<ChatSet> ReadChatSets(std::istream& in) {
    std::vector<ChatSet> sets;
    for (std::string line; ReadDataLine(in, line);) {
        if (line != "chat") continue;
        ChatSet set;
        ReadChatSection(in, set);
        AppendBounded(sets, std::move(set), kMostBotSections);
    }
    return sets;
}

int FindChatSet(const std::vector<ChatSet>& sets, const std::string& name) {
    for (std::size_t i = 0; i < sets.size(); ++i) {
        if (sets[i].name == name) return static_cast<int>(i);
    }
    return -1;
}
