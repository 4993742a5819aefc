#pragma once

#include <istream>
#include <string>
#include <vector>

#include "bots/ChatSet.h"

// Chat.cfg: "chat" sections holding a "name=..." line and the lists "kill", "death",
// "suicide", "hello" and "misc", each a block of remarks between "{" and "}".
std::vector<ChatSet> ReadChatSets(std::istream& in);

// Position of the first set of exactly that name, -1 for none.
int FindChatSet(const std::vector<ChatSet>& sets, const std::string& name);
