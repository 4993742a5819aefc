#include "bots/BotProfileFile.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

#include "bots/BotFileLines.h"
#include "bots/ChatSetFile.h"
#include "core/DataLine.h"

namespace {
// An aim window wider than any map is no window at all.
constexpr float kMostAcc = 10000.0f;

// One number as "%d" or "%f" reads it: blanks, then an optional sign; the rest of the text
// after the number is left in `text`. False when no number (or no finite one) is there.
template <typename T>
bool ScanNumber(std::string_view& text, T& value) {
    const std::size_t start = text.find_first_not_of(" \t\r\n\v\f");
    if (start == std::string_view::npos) return false;
    text.remove_prefix(start);
    if (text.starts_with('+') && !text.substr(1).starts_with('-')) text.remove_prefix(1);
    T read{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), read);
    if (error != std::errc()) return false;
    if constexpr (std::is_floating_point_v<T>) {
        if (!std::isfinite(read)) return false;
    }
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    value = read;
    return true;
}

// "a,b,c": as many of the three as read in turn; the rest keep their values.
template <typename T>
void ScanTriple(std::string_view text, std::array<T, 3>& values) {
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0) {
            if (!text.starts_with(',')) return;
            text.remove_prefix(1);
        }
        if (!ScanNumber(text, values[i])) return;
    }
}

using KeyReader = void (*)(std::string_view value, BotProfile& profile,
                           const std::vector<ChatSet>& chatSets);

struct ProfileKey {
    std::string_view key;
    KeyReader read;
};

constexpr ProfileKey kKeys[] = {
    {"name", [](std::string_view v, BotProfile& p, const auto&) { p.name = v; }},
    {"nick",
     [](std::string_view v, BotProfile& p, const auto&) {
         p.nicks.clear();
         for (const std::string_view nick : SplitFields(v, ','))
             p.nicks.emplace_back(nick);
     }},
    {"acc",
     [](std::string_view v, BotProfile& p, const auto&) {
         ScanTriple(v, p.acc);
         for (float& acc : p.acc)
             acc = std::clamp(acc, -kMostAcc, kMostAcc);
     }},
    {"camp", [](std::string_view v, BotProfile& p, const auto&) { ScanTriple(v, p.camp); }},
    {"chat", [](std::string_view v, BotProfile& p,
                const std::vector<ChatSet>& sets) { p.chat = FindChatSet(sets, std::string(v)); }},
    {"chatty_event",
     [](std::string_view v, BotProfile& p, const auto&) { ScanNumber(v, p.chattyEvent); }},
    {"chatty_misc",
     [](std::string_view v, BotProfile& p, const auto&) { ScanNumber(v, p.chattyMisc); }},
    {"chatty_respond",
     [](std::string_view v, BotProfile& p, const auto&) { ScanNumber(v, p.chattyRespond); }},
};

void ReadBotSection(std::istream& in, BotProfile& profile, const std::vector<ChatSet>& sets) {
    for (std::string text; ReadDataLine(in, text);) {
        const auto line = SectionLine(text);
        if (!line) continue;
        if (*line == "}") return;
        const std::vector<std::string_view> fields = SplitFields(*line, '=');
        if (fields.size() < 2) continue;  // every key needs a value
        for (const ProfileKey& key : kKeys) {
            if (key.key == fields[0]) key.read(fields[1], profile, sets);
        }
    }
}
}  // namespace

std::vector<BotProfile> ReadBotProfiles(std::istream& in, const std::vector<ChatSet>& chatSets) {
    std::vector<BotProfile> profiles;
    for (std::string line; ReadDataLine(in, line);) {
        if (line != "bot") continue;
        BotProfile profile;
        ReadBotSection(in, profile, chatSets);
        AppendBounded(profiles, std::move(profile), kMostBotSections);
    }
    return profiles;
}
