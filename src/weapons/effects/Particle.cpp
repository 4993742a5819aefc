#include "weapons/effects/Particle.h"

#include <algorithm>

#include "arena/Arena.h"
#include "render/Renderer.h"
#include "world/GameMap.h"
#include "world/PlatformSide.h"
#include "world/PushResult.h"
#include "world/View.h"

void Particle::Update(Arena& arena) {
    const float step = arena.Step();
    Move(arena, step);
    age_ += step;
    state_.scale += state_.growth * step;
    state_.alpha = std::max(state_.alpha - state_.fade * step, 0.0f);
    state_.rotation += state_.spin * step;
    if (age_ > state_.life) SetFinished();
}

bool Particle::Move(Arena& arena, float step) {
    Vec2& position = state_.position;
    Vec2& velocity = state_.velocity;
    velocity.y += kFall * state_.gravity * step;
    const Vec2 candidate = position + velocity * step;
    if (!state_.collides) {
        position = candidate;
        return false;
    }
    GameMap& map = arena.Map();
    ShotTrace trace;
    map.TraceShot(Segment{position, candidate}, trace, kTracePlatforms);
    Float4 box{trace.point.x - state_.box.x, trace.point.y - state_.box.y,
               trace.point.x + state_.box.x, trace.point.y + state_.box.y};
    PushResult push;
    map.CollideRect(box, push);
    position = Vec2{(box.x1 + box.x2) / 2, (box.y1 + box.y2) / 2};
    if (push.platform == nullptr) return false;
    if (push.side == kSideLeft || push.side == kSideRight) {
        velocity.x = -velocity.x;
    } else {
        velocity.y = -(velocity.y * state_.bounce);
        velocity.x *= state_.bounce;
    }
    return true;
}

void Particle::Draw(const View& view) const {
    const Sprite* sprite = view.GetSprite(state_.sprite);
    if (sprite == nullptr) return;
    const Vec2 at = view.ToScreen(state_.position);
    view.GetRenderer().DrawSpriteScaled(*sprite, at.x, at.y, state_.scale, state_.scale,
                                        static_cast<std::uint8_t>(std::min(state_.alpha, 255.0f)),
                                        state_.rotation);
}
