#pragma once

#include <cstddef>
#include <vector>

#include "world/ItemSpawn.h"
#include "world/Platform.h"
#include "world/SpawnPoint.h"

class Game;

// An object of the map with the place it has, or had, in its list.
template <typename T>
struct Placed {
    std::size_t index = 0;
    T object;
};

// One step of map editing as the undo history keeps it: the objects it added or removed, each
// list in ascending order of place.
struct MapChange {
    enum class Kind { Added, Removed };
    // What the map needs rebuilt after the change, whichever way it is run.
    enum class Rebuild { Nothing, Tree, BoundsAndTree };

    Kind kind = Kind::Added;
    Rebuild rebuild = Rebuild::Nothing;
    std::vector<Placed<Platform>> platforms;
    std::vector<Placed<SpawnPoint>> spawnPoints;
    std::vector<Placed<ItemSpawn>> items;

    bool Empty() const { return platforms.empty() && spawnPoints.empty() && items.empty(); }
};

enum class ChangeWay { Do, Undo };

// Runs the change on the match's map, or takes it back, then rebuilds what it needs.
void RunChange(Game& game, const MapChange& change, ChangeWay way);
