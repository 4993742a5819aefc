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

// Tops and bottoms: a top only catches a falling box, a bottom only a rising one.
void StopVertically(const Platform& platform, int side, const Float4& old, float velocityY,
                    BodyMove& move) {
    const auto [left, top, right, bottom] = platform.Rect();
    Float4& box = move.box;
    const float height = box.y2 - box.y1;
    if (side == kSideTop && velocityY > 0.0f && Nearer(top - height, box.y1, old.y1)) {
        move.blockY = true;
        box.y1 = top - height;
        box.y2 = top;
        move.ground = &platform;
    } else if (side == kSideBottom && velocityY < 0.0f && Nearer(bottom, box.y1, old.y1)) {
        move.blockY = true;
        box.y1 = bottom;
        box.y2 = bottom + height;
    }
}

void StopSideways(const Platform& platform, int side, const Float4& old, BodyMove& move) {
    const auto [left, top, right, bottom] = platform.Rect();
    Float4& box = move.box;
    // A box resting level with the platform's top (or bottom) only grazes its corner: that is
    // the seam between two platforms laid side by side, to be walked across, not a wall.
    if (top >= box.y2 || bottom <= box.y1) return;
    const float width = box.x2 - box.x1;
    if (side == kSideLeft && Nearer(left - width, box.x1, old.x1)) {
        move.blockX = move.hitWall = true;
        box.x1 = left - width;
        box.x2 = left;
    } else if (side == kSideRight && Nearer(right, box.x1, old.x1)) {
        move.blockX = move.hitWall = true;
        box.x1 = right;
        box.x2 = right + width;
    }
}

// Calls `stop` with every platform side the whole movement crosses.
template <typename Stop>
void ForEachHit(const std::vector<QuadNode*>& leaves, const Float4& oldBox, const Float4& wanted,
                Stop stop) {
    for (const QuadNode* leaf : leaves) {
        for (const Platform* platform : leaf->Platforms()) {
            SweepHit hit;
            platform->SweepBox(oldBox, wanted, hit);
            if (hit.platform != nullptr) stop(*platform, hit.side);
        }
    }
}
}  // namespace

BodyMove MoveBody(GameMap& map, const Float4& oldBox, float dx, float dy, float velocityY) {
    const Float4 wanted{oldBox.x1 + dx, oldBox.y1 + dy, oldBox.x2 + dx, oldBox.y2 + dy};
    BodyMove move;
    move.box = wanted;
    // Every platform sees the whole movement: once the floor has taken the fall out of the box,
    // what is left is a slide along one axis, which a sweep does not test, and a wall beside the
    // floor would let a runner through. Tops and bottoms go first, so the sides know where the
    // box came to rest.
    const std::vector<QuadNode*>& leaves = map.LeavesTouching(oldBox, wanted);
    ForEachHit(leaves, oldBox, wanted, [&](const Platform& platform, int side) {
        StopVertically(platform, side, oldBox, velocityY, move);
    });
    ForEachHit(leaves, oldBox, wanted, [&](const Platform& platform, int side) {
        StopSideways(platform, side, oldBox, move);
    });
    return move;
}
