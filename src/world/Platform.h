#pragma once

#include <string>

#include "core/Float4.h"
#include "core/Geometry.h"
#include "core/Vec2.h"

struct PushResult;
struct SegmentHit;
struct SweepHit;
class View;

// One axis-aligned rectangle of the world: a solid platform, or editor scenery (a sprite drawn
// over the rectangle that nothing collides with).
class Platform {
public:
    Platform() = default;
    Platform(float x1, float y1, float x2, float y2) { SetRect(x1, y1, x2, y2); }

    // Also recomputes the centre.
    void SetRect(float x1, float y1, float x2, float y2);
    const Float4& Rect() const { return rect_; }
    Vec2 Centre() const { return centre_; }

    // The sprite's position in the graphics table (-1 for none) and its name, which is what a
    // saved map keeps.
    void SetSprite(int position, const std::string& name);
    int SpritePosition() const { return sprite_; }
    const std::string& SpriteName() const { return spriteName_; }
    void SetSolid(bool solid) { solid_ = solid; }
    bool Solid() const { return solid_; }

    // Collision tests; a scenery platform is never hit. Flags take kSkipTopAndBottom and
    // kSkipLeftAndRight.
    void IntersectSegment(const Segment& segment, SegmentHit& result, int flags) const;
    void SweepBox(const Float4& oldBox, const Float4& newBox, SweepHit& result) const;
    void PushOutRect(Float4& rect, PushResult& result) const;
    // Edges included; scenery too.
    bool ContainsPoint(float x, float y) const;

    // The sprite stretched over the rectangle, or a black outline without one.
    void Draw(const View& view) const;
    // A white inset fill, only for platforms without a sprite.
    void DrawFill(const View& view) const;

private:
    Float4 rect_;
    Vec2 centre_;
    int sprite_ = -1;
    std::string spriteName_;
    bool solid_ = true;
};
