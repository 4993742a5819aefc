// Where a shot meets a player: the lower figure's bones, else the head's box.
#include <optional>

#include "core/Geometry.h"
#include "player/Player.h"

namespace {
// A box around the whole figure, head included: the shot goes on only when it can reach it.
// (Its top must be the head's: a shot through the top of the head is a hit.)
bool MayReach(Vec2 at, const Segment& s) {
    constexpr float kTop = 22.0f;  // from the body's centre up to the top of the head
    return (at.x - 8 <= s.a.x || at.x - 8 <= s.b.x) && (s.a.x <= at.x + 8 || s.b.x <= at.x + 8) &&
           (at.y - kTop <= s.a.y || at.y - kTop <= s.b.y) &&
           (s.a.y <= at.y + 12 || s.b.y <= at.y + 12);
}

bool Between(float value, float low, float high) { return low <= value && value <= high; }

// Where the shot crosses the line x = edge (or y = edge, `vertical` false), when that lies on
// the shot itself and within [low, high] along the edge. A shot parallel to the edge never
// crosses it.
std::optional<Vec2> CrossEdge(const Segment& s, float edge, float low, float high, bool vertical) {
    const float from = vertical ? s.a.x : s.a.y;
    const float to = vertical ? s.b.x : s.b.y;
    if (from == to) return std::nullopt;
    const float along = (edge - from) / (to - from);
    if (!Between(along, 0.0f, 1.0f)) return std::nullopt;
    const Vec2 point = s.a + (s.b - s.a) * along;
    const float across = vertical ? point.y : point.x;
    if (!Between(across, low, high)) return std::nullopt;
    return vertical ? Vec2{edge, point.y} : Vec2{point.x, edge};
}

// The head is a box over the neck. A shot going left meets its right side, one going right its
// left side; else one going up meets its bottom, one going down its top.
std::optional<Vec2> CrossHead(const Segment& s, Vec2 neck) {
    const float left = neck.x - 4;
    const float right = neck.x + 4;
    const float top = neck.y - 8;
    const float bottom = neck.y + 1;
    const float side = s.b.x <= s.a.x ? right : left;
    if (auto hit = CrossEdge(s, side, top, bottom, true)) return hit;
    return CrossEdge(s, s.b.y <= s.a.y ? bottom : top, left, right, false);
}
}  // namespace

PlayerHit Player::TraceShot(const Segment& shot) const {
    PlayerHit result;
    const float length = Distance(shot.a.x, shot.a.y, shot.b.x, shot.b.y);
    // A new life's figure still stands where the last one ended until its first update.
    if (!placed_ || !(length > 0.0f) || !MayReach(position_, shot)) return result;
    std::optional<Vec2> nearest;
    for (const auto& [from, to] : LowerPose::Segments()) {
        const Segment bone{lower_.Point(static_cast<std::size_t>(to)),
                           lower_.Point(static_cast<std::size_t>(from))};
        const std::optional<Vec2> crossing = SegmentIntersection(shot, bone);
        if (!crossing) continue;
        if (!nearest || Distance(shot.a.x, shot.a.y, crossing->x, crossing->y) <
                            Distance(shot.a.x, shot.a.y, nearest->x, nearest->y)) {
            nearest = crossing;
        }
    }
    if (!nearest && hasHead_) {
        nearest = CrossHead(shot, lower_.Point(0));
        result.head = nearest.has_value();
    }
    if (!nearest) return result;
    result.hit = true;
    result.point = *nearest;
    result.t = Distance(shot.a.x, shot.a.y, nearest->x, nearest->y) / length;
    return result;
}
