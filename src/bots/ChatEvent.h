#pragma once

#include <cstddef>

// What a bot may remark on; the numbers index each profile's chat sets.
enum class ChatEvent { Kill = 0, Death = 1, Suicide = 2, Hello = 3, Misc = 4 };
inline constexpr std::size_t kChatEventCount = 5;
