#include "bots/BotFileLines.h"

std::optional<std::string_view> SectionLine(std::string_view line) {
    const std::size_t start = line.find_first_not_of(" \t");
    if (start == std::string_view::npos) return std::nullopt;
    line.remove_prefix(start);
    if (line.front() == ';' || line == "{") return std::nullopt;
    return line;
}

std::vector<std::string_view> SplitFields(std::string_view line, char separator) {
    std::vector<std::string_view> fields;
    while (!line.empty()) {
        const std::size_t end = line.find(separator);
        const std::string_view field = line.substr(0, end);
        if (!field.empty()) fields.push_back(field);
        if (end == std::string_view::npos) break;
        line.remove_prefix(end + 1);
    }
    return fields;
}
