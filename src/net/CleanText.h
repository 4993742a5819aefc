#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// A name or a chat line from the network as it may be shown: control characters out, spaces
// at either end trimmed, cut to `limit` bytes; an empty name becomes `fallback`.
std::string CleanText(std::string_view text, std::size_t limit, std::string_view fallback = {});
