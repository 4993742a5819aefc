#include "weapons/effects/MoveAgainstMap.h"

#include "arena/Arena.h"
#include "core/Float4.h"
#include "world/PlatformSide.h"
#include "world/PushResult.h"

int MoveAgainstMap(Arena& arena, Vec2& position, Vec2 velocity, float step, Vec2 half) {
    const ShotTrace trace =
        arena.TraceShot(Segment{position, position + velocity * step}, kTracePlatforms);
    const Vec2 at = trace.point;
    Float4 box{at.x - half.x, at.y - half.y, at.x + half.x, at.y + half.y};
    PushResult push;
    arena.Map().CollideRect(box, push);
    position = Vec2{(box.x1 + box.x2) / 2, (box.y1 + box.y2) / 2};
    return push.platform != nullptr ? push.side : kSideNone;
}
