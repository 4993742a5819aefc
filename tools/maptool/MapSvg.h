#pragma once

#include <string>

#include "world/MapFile.h"

// A picture of the map for looking at it outside the game: platforms as the game draws them,
// scenery as tinted boxes named by their sprite, a player's body box at every spawn point in
// its team colour, every item as a marked dot, and a 100-unit grid.
std::string DrawMapSvg(const MapContents& map);
