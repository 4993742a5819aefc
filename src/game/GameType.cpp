#include "game/GameType.h"

bool IsSupported(GameType type) { return type == GameType::FreeForAll || type == GameType::Team; }

GameType GameTypeOf(std::string_view word) {
    if (word == "team") return GameType::Team;
    if (word == "ctf") return GameType::CaptureTheFlag;
    return GameType::FreeForAll;
}

Team TeamOfPlayer(int number, bool teamGame) {
    if (!teamGame) return Team::None;
    return number % 2 == 0 ? Team::Blue : Team::Red;
}
