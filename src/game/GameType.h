#pragma once

#include <string_view>

#include "world/Team.h"

// Game types as the command line and the console name them.
enum class GameType { FreeForAll = 1, Team = 2, CaptureTheFlag = 4 };

// What a match can be played as; capture the flag is refused.
bool IsSupported(GameType type);
// "team" and "ctf", compared exactly; any other word is free-for-all.
GameType GameTypeOf(std::string_view word);
// The word GameTypeOf reads as the type.
std::string_view GameTypeWord(GameType type);
// In a team game even numbers are blue and odd ones red, so the human is always blue.
Team TeamOfPlayer(int number, bool teamGame);
