#include "weapons/effects/Particle.h"

#include <algorithm>

#include "arena/Arena.h"
#include "render/Renderer.h"
#include "weapons/effects/AlphaByte.h"
#include "weapons/effects/MoveAgainstMap.h"
#include "world/PlatformSide.h"
#include "world/View.h"

void Particle::Update(Arena& arena) {
    const float step = arena.Step();
    Move(arena, step);
    age_ += step;
    state_.scale += state_.growth * step;
    state_.alpha = std::max(state_.alpha - state_.fade * step, 0.0f);
    state_.rotation += state_.spin * step;
    // Not `age > life`: a NaN life must end too, or the particle would live for ever.
    if (!(age_ <= state_.life)) SetFinished();
}

void Particle::Move(Arena& arena, float step) {
    Vec2& position = state_.position;
    Vec2& velocity = state_.velocity;
    velocity.y += kFall * state_.gravity * step;
    if (!state_.collides) {
        position = position + velocity * step;
        return;
    }
    switch (MoveAgainstMap(arena, position, velocity, step, state_.box)) {
        case kSideLeft:
        case kSideRight:
            velocity.x = -velocity.x;
            break;
        case kSideTop:
        case kSideBottom:
            velocity.y = -(velocity.y * state_.bounce);
            velocity.x *= state_.bounce;
            break;
        default:
            break;
    }
}

void Particle::Draw(const View& view) const {
    const Sprite* sprite = view.GetSprite(state_.sprite);
    if (sprite == nullptr) return;
    const Vec2 at = view.ToScreen(state_.position);
    view.GetRenderer().DrawSpriteScaled(*sprite, at.x, at.y, state_.scale, state_.scale,
                                        AlphaByte(state_.alpha), state_.rotation);
}
