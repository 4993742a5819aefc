#include "game/GameType.h"

bool IsSupported(GameType type) { return type == GameType::FreeForAll || type == GameType::Team; }

namespace {
struct TypeWord {
    GameType type;
    std::string_view word;
};
constexpr TypeWord kTypeWords[] = {
    {GameType::FreeForAll, "ffa"},
    {GameType::Team, "team"},
    {GameType::CaptureTheFlag, "ctf"},
};
}  // namespace

GameType GameTypeOf(std::string_view word) {
    for (const TypeWord& entry : kTypeWords) {
        if (entry.word == word) return entry.type;
    }
    return GameType::FreeForAll;
}

std::string_view GameTypeWord(GameType type) {
    for (const TypeWord& entry : kTypeWords) {
        if (entry.type == type) return entry.word;
    }
    return kTypeWords[0].word;
}

Team TeamOfPlayer(int number, bool teamGame) {
    if (!teamGame) return Team::None;
    return number % 2 == 0 ? Team::Blue : Team::Red;
}
