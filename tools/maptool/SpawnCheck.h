#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "world/MapFile.h"

// Spawn points that lie inside a solid platform, so that a player comes into play inside a wall:
// one line each, "spawn point X Y lies inside the platform X1 Y1 X2 Y2", for at most
// `limit` of them, then one line counting the rest. A point on a platform's edge is not inside.
std::vector<std::string> SpawnsInsidePlatforms(const MapContents& map, std::size_t limit = 10);
