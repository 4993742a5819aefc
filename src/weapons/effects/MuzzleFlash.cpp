#include "weapons/effects/MuzzleFlash.h"

#include "arena/Arena.h"
#include "render/Renderer.h"
#include "weapons/effects/AlphaByte.h"
#include "world/View.h"

namespace {
// Alpha per step of life left: a flash of 5 steps starts at 250.
constexpr float kBrightness = 50.0f;
}  // namespace

void MuzzleFlash::Update(Arena& arena) {
    life_ -= arena.Step();
    if (!(life_ >= 0.0f)) SetFinished();
}

void MuzzleFlash::Draw(const View& view) const {
    const Sprite* sprite = view.GetSprite(sprite_);
    if (sprite == nullptr) return;
    const Vec2 at = view.ToScreen(position_);
    view.GetRenderer().DrawSpriteScaled(*sprite, at.x, at.y, scale_, scale_,
                                        AlphaByte(life_ * kBrightness), angle_);
}
