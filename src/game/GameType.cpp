#include "game/GameType.h"

int GameTypeCode(std::string_view word) {
    if (word == "team") return kGameTeam;
    if (word == "ctf") return kGameCaptureTheFlag;
    return kGameFreeForAll;
}

int TeamOfPlayer(int number, bool teamGame) {
    if (!teamGame) return kNoTeam;
    return number % 2 == 0 ? kBlueTeam : kRedTeam;
}
