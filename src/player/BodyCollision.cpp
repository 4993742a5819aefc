#include "player/BodyCollision.h"

#include <cmath>

#include "world/GameMap.h"
#include "world/Platform.h"
#include "world/PlatformSide.h"
#include "world/SweepHit.h"

namespace {
// Whether moving an edge from `from` to `candidate` is a shorter move than to `current`.
bool Nearer(float candidate, float current, float from) {
    return std::fabs(candidate - from) < std::fabs(current - from);
}

void StopAt(const Platform& platform, int side, const Float4& old, float velocityY,
            BodyMove& move) {
    const auto [left, top, right, bottom] = platform.Rect();
    Float4& box = move.box;
    const float width = box.x2 - box.x1;
    const float height = box.y2 - box.y1;
    if (side == kSideLeft && Nearer(left - width, box.x1, old.x1)) {
        move.blockX = move.hitWall = true;
        box.x1 = left - width;
        box.x2 = left;
    } else if (side == kSideTop && velocityY > 0.0f && Nearer(top - height, box.y1, old.y1)) {
        move.blockY = true;
        box.y1 = top - height;
        box.y2 = top;
        move.ground = &platform;
    } else if (side == kSideRight && Nearer(right, box.x1, old.x1)) {
        move.blockX = move.hitWall = true;
        box.x1 = right;
        box.x2 = right + width;
    } else if (side == kSideBottom && velocityY < 0.0f && Nearer(bottom, box.y1, old.y1)) {
        move.blockY = true;
        box.y1 = bottom;
        box.y2 = bottom + height;
    }
}
}  // namespace

BodyMove MoveBody(GameMap& map, const Float4& oldBox, float dx, float dy, float velocityY) {
    const Float4 wanted{oldBox.x1 + dx, oldBox.y1 + dy, oldBox.x2 + dx, oldBox.y2 + dy};
    BodyMove move;
    move.box = wanted;
    for (const QuadNode* leaf : map.LeavesTouching(oldBox, wanted)) {
        for (const Platform* platform : leaf->Platforms()) {
            // Every platform sees the whole movement: once the floor has taken the fall out of
            // the box, what is left is a sideways slide, and a sweep along one axis alone meets
            // nothing, so a wall beside the floor would let a runner through.
            SweepHit hit;
            platform->SweepBox(oldBox, wanted, hit);
            if (hit.platform != nullptr) StopAt(*platform, hit.side, oldBox, velocityY, move);
        }
    }
    return move;
}
