#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The words map text uses for numbers the file stores: item kinds and spawn teams.

// "small-health", "ammo", "armour", "weapon", "medium-health", "mega-health".
std::optional<std::int32_t> ItemKindOfWord(std::string_view word);
// The word of a kind in the table; none for other numbers.
std::optional<std::string_view> WordOfItemKind(std::int32_t kind);
// Every kind word, for error messages: "small-health, ammo, ... or mega-health".
std::string ItemKindWords();

// "red" and "blue"; team 0 (any) has no word, it is left out.
std::optional<std::int32_t> TeamOfWord(std::string_view word);
std::optional<std::string_view> WordOfTeam(std::int32_t team);
