#include "bots/Placeholders.h"

bool ReplaceFirst(std::string& text, std::string_view placeholder, std::string_view value) {
    const std::size_t at = text.find(placeholder);
    if (at == std::string::npos) return false;
    text.replace(at, placeholder.size(), value);
    return true;
}
