// Bots.cfg as players edit it: whatever it holds, the reader gives a bounded list of profiles
// with names and nicks of a line's width, finite aim windows and a chat set that exists or none.
#include <cmath>
#include <cstdint>
#include <sstream>

#include "BotFileFuzz.h"
#include "bots/BotFileLines.h"
#include "bots/BotProfileFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::vector<ChatSet> sets = {ChatSet{"Sunny", {}}, ChatSet{"Grumbler", {}}};
    std::istringstream in(text);
    const std::vector<BotProfile> profiles = ReadBotProfiles(in, sets);
    if (profiles.size() > kMostBotSections || profiles.size() > LineCount(text)) __builtin_trap();
    for (const BotProfile& profile : profiles) {
        CheckLine(profile.name);
        for (const std::string& nick : profile.nicks) {
            CheckLine(nick);
            if (nick.empty()) __builtin_trap();
        }
        for (const float acc : profile.acc) {
            if (!std::isfinite(acc)) __builtin_trap();
        }
        if (profile.chat < -1 || profile.chat >= static_cast<int>(sets.size())) __builtin_trap();
    }
    return 0;
}
