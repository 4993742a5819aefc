#pragma once

#include <array>
#include <string>
#include <vector>

#include "bots/ChatEvent.h"

// One personality of Chat.cfg: a list of remarks for each event, indexed by ChatEvent.
struct ChatSet {
    std::string name;
    std::array<std::vector<std::string>, kChatEventCount> lists;

    const std::vector<std::string>& Lines(ChatEvent event) const {
        return lists[static_cast<std::size_t>(event)];
    }
};
