#include "editors/MapChange.h"

#include <algorithm>

#include "game/Game.h"
#include "world/GameMap.h"

namespace {
template <typename T>
void InsertAt(std::vector<T>& list, std::size_t at, const T& object) {
    list.insert(list.begin() + static_cast<std::ptrdiff_t>(at), object);
}

void InsertAt(PlatformList& list, std::size_t at, const Platform& platform) {
    list.insert(at, platform);
}

// Lowest place first, so each lands where it was; a place past the end (the map changed
// behind the history's back) appends.
template <typename List, typename T>
void PutIn(List& list, const std::vector<Placed<T>>& placed) {
    for (const Placed<T>& each : placed)
        InsertAt(list, std::min(each.index, list.size()), each.object);
}

// Highest place first, so the places of those still to go stay true.
template <typename T, typename Remove>
void TakeOut(const std::vector<Placed<T>>& placed, Remove remove) {
    for (auto each = placed.rbegin(); each != placed.rend(); ++each)
        remove(each->index);
}

template <typename T>
void TakeOut(std::vector<T>& list, const std::vector<Placed<T>>& placed) {
    TakeOut(placed, [&list](std::size_t index) {
        if (index < list.size()) list.erase(list.begin() + static_cast<std::ptrdiff_t>(index));
    });
}

void Rebuild(Game& game, MapChange::Rebuild rebuild) {
    if (rebuild == MapChange::Rebuild::BoundsAndTree) game.RecomputeBounds();
    if (rebuild == MapChange::Rebuild::Tree) game.BuildQuadTree(GameMap::kTreeDepth);
}
}  // namespace

void RunChange(Game& game, const MapChange& change, ChangeWay way) {
    GameMap& map = game.Map();
    const bool adds = (change.kind == MapChange::Kind::Added) == (way == ChangeWay::Do);
    if (adds) {
        PutIn(map.Platforms(), change.platforms);
        PutIn(map.SpawnPoints(), change.spawnPoints);
        PutIn(map.Items(), change.items);
    } else {
        // Through the match, which lets go of a platform before it goes.
        TakeOut(change.platforms, [&game](std::size_t index) { game.RemovePlatform(index); });
        TakeOut(map.SpawnPoints(), change.spawnPoints);
        TakeOut(map.Items(), change.items);
    }
    // The tree points at the platforms: after any change to them it is built afresh, whatever
    // the change asked for.
    const bool platformsChanged = !change.platforms.empty();
    Rebuild(game, platformsChanged && change.rebuild == MapChange::Rebuild::Nothing
                      ? MapChange::Rebuild::Tree
                      : change.rebuild);
}
