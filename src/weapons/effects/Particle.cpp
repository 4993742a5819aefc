#include "weapons/effects/Particle.h"

#include <algorithm>

#include "player/Arena.h"
#include "render/Renderer.h"
#include "world/GameMap.h"
#include "world/PlatformSide.h"
#include "world/PushResult.h"
#include "world/View.h"

void Particle::Update(Arena& arena) {
    const float step = arena.Step();
    Move(arena, step);
    age_ += step;
    scale_ += growth_ * step;
    alpha_ = std::max(alpha_ - fade_ * step, 0.0f);
    rotation_ += spin_ * step;
    if (age_ > life_) {
        SetFinished();
        return;
    }
    Draw(arena);
}

bool Particle::Move(Arena& arena, float step) {
    velocity_.y += kFall * gravity_ * step;
    const Vec2 candidate = position_ + velocity_ * step;
    if (!collides_) {
        position_ = candidate;
        return false;
    }
    GameMap& map = arena.Map();
    ShotTrace trace;
    map.TraceShot(Segment{position_, candidate}, trace, kTracePlatforms);
    Float4 box{trace.point.x - box_.x, trace.point.y - box_.y, trace.point.x + box_.x,
               trace.point.y + box_.y};
    PushResult push;
    map.CollideRect(box, push);
    position_ = Vec2{(box.x1 + box.x2) / 2, (box.y1 + box.y2) / 2};
    if (push.platform == nullptr) return false;
    if (push.side == kSideLeft || push.side == kSideRight) {
        velocity_.x = -velocity_.x;
    } else {
        velocity_.y = -(velocity_.y * bounce_);
        velocity_.x *= bounce_;
    }
    return true;
}

void Particle::Draw(Arena& arena) const {
    const View& view = arena.GetView();
    const Sprite* sprite = view.GetSprite(sprite_);
    if (sprite == nullptr) return;
    const Vec2 at = view.ToScreen(position_);
    view.GetRenderer().DrawSpriteScaled(*sprite, at.x, at.y, scale_, scale_,
                                        static_cast<std::uint8_t>(std::min(alpha_, 255.0f)),
                                        rotation_);
}
