#include "MapWords.h"

#include <array>
#include <utility>

#include "TextTokens.h"
#include "world/ItemSpawn.h"

namespace {

using Word = std::pair<std::string_view, std::int32_t>;

constexpr std::array kItemKinds = {
    Word{"small-health", kItemSmallHealth},
    Word{"ammo", kItemAmmo},
    Word{"armour", kItemArmour},
    Word{"weapon", kItemWeapon},
    Word{"medium-health", kItemMediumHealth},
    Word{"mega-health", kItemMegaHealth},
};

constexpr std::array kTeams = {Word{"red", 1}, Word{"blue", 2}};

template <std::size_t N>
std::optional<std::int32_t> NumberOf(const std::array<Word, N>& table, std::string_view word) {
    for (const auto& [name, number] : table)
        if (name == word) return number;
    return std::nullopt;
}

template <std::size_t N>
std::optional<std::string_view> WordOf(const std::array<Word, N>& table, std::int32_t number) {
    for (const auto& [name, value] : table)
        if (value == number) return name;
    return std::nullopt;
}

}  // namespace

std::optional<std::int32_t> ItemKindOfWord(std::string_view word) {
    return NumberOf(kItemKinds, word);
}

std::optional<std::string_view> WordOfItemKind(std::int32_t kind) {
    return WordOf(kItemKinds, kind);
}

std::string ItemKindWords() {
    return JoinWords(kItemKinds, [](const Word& word) { return word.first; });
}

std::optional<std::int32_t> TeamOfWord(std::string_view word) { return NumberOf(kTeams, word); }

std::optional<std::string_view> WordOfTeam(std::int32_t team) { return WordOf(kTeams, team); }
