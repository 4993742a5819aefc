#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

// The bot files are edited by hand; these bound what one file can make, so a runaway file costs
// little memory. Sections (bots, chat sets) and trigger lines past the limit are read and
// dropped, and so are lines past the limit of one list.
inline constexpr std::size_t kMostBotSections = 256;
inline constexpr std::size_t kMostResponses = 1024;
inline constexpr std::size_t kMostListLines = 256;

// A line inside a section without its leading tabs and spaces; none for a line that says
// nothing there (empty, a ";" comment, or "{").
std::optional<std::string_view> SectionLine(std::string_view line);

// The parts between separators, empty parts dropped.
std::vector<std::string_view> SplitFields(std::string_view line, char separator);

// Appends while the list is below kMostListLines.
template <typename List, typename Item>
void AppendBounded(List& list, Item&& item, std::size_t most = kMostListLines) {
    if (list.size() < most) list.emplace_back(std::forward<Item>(item));
}
