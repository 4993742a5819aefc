#pragma once

#include <vector>

class Player;

// Player numbers from the most frags to the fewest; on equal frags the lower number goes first.
std::vector<int> RankByFrags(const std::vector<Player>& players);
