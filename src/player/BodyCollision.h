#pragma once

#include "core/Float4.h"

class GameMap;
class Platform;

// Where a moving body box ends up against the map's platforms, and what stopped it.
struct BodyMove {
    Float4 box;
    bool blockX = false;
    bool blockY = false;
    bool hitWall = false;  // stopped by a platform's left or right side
    const Platform* ground = nullptr;
};

// Moves the box from `oldBox` by (dx, dy). Of the platform sides the box would cross, the one
// nearest the old box stops it; a top only catches a falling box, a bottom only a rising one.
BodyMove MoveBody(GameMap& map, const Float4& oldBox, float dx, float dy, float velocityY);
