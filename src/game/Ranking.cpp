#include "game/Ranking.h"

#include <algorithm>
#include <numeric>

#include "player/Player.h"

std::vector<int> RankByFrags(const std::vector<Player>& players) {
    std::vector<int> order(players.size());
    std::iota(order.begin(), order.end(), 0);
    // Stable, so equal frags keep the players' own order.
    std::stable_sort(order.begin(), order.end(), [&players](int a, int b) {
        return players[static_cast<std::size_t>(a)].Frags() >
               players[static_cast<std::size_t>(b)].Frags();
    });
    return order;
}
