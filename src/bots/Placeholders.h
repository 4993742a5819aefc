#pragma once

#include <string>
#include <string_view>

// Replaces the first occurrence of the placeholder; later ones stay as written. False when the
// text has none.
bool ReplaceFirst(std::string& text, std::string_view placeholder, std::string_view value);

inline bool HasPlaceholder(const std::string& text, std::string_view placeholder) {
    return text.find(placeholder) != std::string::npos;
}
