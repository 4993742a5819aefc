#pragma once

#include "core/Vec2.h"

class Arena;

// Moves `position` by `step` of `velocity`, stopped by the first platform on the way, then
// pushes a box of half size `half` around it out of the platforms it overlaps; the position
// ends at the box's centre. Gives the side that pushed last (a PlatformSide), kSideNone when
// nothing touched.
int MoveAgainstMap(Arena& arena, Vec2& position, Vec2 velocity, float step, Vec2 half);
