#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "bots/BotProfile.h"
#include "bots/ChatSet.h"
#include "bots/Response.h"

// What the three bot files of Base/BotFiles hold, read once when a match starts.
struct BotFiles {
    std::vector<ChatSet> chatSets;
    std::vector<Response> responses;
    std::vector<BotProfile> profiles;

    // The profile at an index; none for -1 or any index the files did not give.
    const BotProfile* Profile(int index) const {
        if (index < 0 || index >= static_cast<int>(profiles.size())) return nullptr;
        return &profiles[static_cast<std::size_t>(index)];
    }
    // Profile indices for `count` bots: each profile once, in random order, before any comes
    // again, so names repeat only when there are more bots than profiles. None without
    // profiles.
    std::vector<int> DealProfiles(int count) const;
};

using BotLogLine = std::function<void(const std::string&)>;

// Reads Chat.cfg, Response.cfg and Bots.cfg from the folder in that order (a bot names its chat
// set). A file that cannot be opened is logged and contributes nothing.
BotFiles LoadBotFiles(const std::filesystem::path& folder, const BotLogLine& log);
