#pragma once

#include <string_view>

// Game types as bits, chosen by name when a map is started.
inline constexpr int kGameFreeForAll = 1;
inline constexpr int kGameTeam = 2;
inline constexpr int kGameCaptureTheFlag = 4;
// What a match can be played as; capture the flag is refused.
inline constexpr int kSupportedGameTypes = kGameFreeForAll | kGameTeam;

inline constexpr int kNoTeam = 0;
inline constexpr int kRedTeam = 1;
inline constexpr int kBlueTeam = 2;

// "team" and "ctf", compared exactly; any other word is free-for-all.
int GameTypeCode(std::string_view word);
// In a team game even numbers are blue and odd ones red, so the human is always blue.
int TeamOfPlayer(int number, bool teamGame);
