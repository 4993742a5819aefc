#include "weapons/projectiles/ProjectileDrawing.h"

#include <cmath>

#include "core/Geometry.h"
#include "render/Renderer.h"
#include "weapons/effects/AlphaByte.h"
#include "world/View.h"

namespace {
constexpr float kTracerLength = 15.0f;
constexpr Colour kTracerTail{200, 200, 0, 0};
constexpr Colour kTracerHead{255, 180, 0, 255};

void DrawTracer(const View& view, const ObjectState& state) {
    const float speed = Length(state.velocity);
    // A bullet at rest has no direction to trail.
    if (!(speed > 0.0f) || !std::isfinite(speed)) return;
    const Vec2 head = view.ToScreen(state.position);
    const Vec2 tail = head - state.velocity * (kTracerLength / speed);
    view.GetRenderer().DrawLine(tail.x, tail.y, head.x, head.y, kTracerTail, kTracerHead);
}
}  // namespace

void DrawProjectile(const View& view, const ObjectState& state) {
    if (state.kind == ObjectKind::Bullet) {
        DrawTracer(view, state);
        return;
    }
    const Sprite* sprite = view.GetSprite(state.sprite);
    if (sprite == nullptr) return;
    const Vec2 at = view.ToScreen(state.position);
    view.GetRenderer().DrawSpriteScaled(*sprite, at.x, at.y, state.scale, state.scale,
                                        AlphaByte(state.alpha), state.rotation);
}
