#pragma once

#include "world/GameMap.h"

class Arena;
struct Segment;

// A shot through the match: the nearest platform (kTracePlatforms) and the nearest player in
// play (kTracePlayers). Of a platform and a player met at the same t, the player is hit.
ShotTrace TraceThroughMatch(Arena& arena, const Segment& segment, int flags);
