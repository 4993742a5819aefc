#pragma once

#include <istream>
#include <vector>

#include "bots/BotProfile.h"
#include "bots/ChatSet.h"

// Bots.cfg: "bot" sections of "key=value" lines up to "}". Keys: name, nick (names separated
// by ","), acc (three numbers), camp (three whole numbers), chat (a chat set's name),
// chatty_event, chatty_misc, chatty_respond. A key without a value is ignored; a later line
// for a key wins. The chat sets must be read first: "chat" names one of them.
std::vector<BotProfile> ReadBotProfiles(std::istream& in, const std::vector<ChatSet>& chatSets);
