#include "weapons/effects/ShellCasing.h"

#include <array>
#include <cmath>
#include <cstddef>

#include "arena/Arena.h"
#include "core/Random.h"
#include "render/Renderer.h"
#include "weapons/effects/MoveAgainstMap.h"
#include "weapons/effects/Particle.h"
#include "world/PlatformSide.h"
#include "world/RectRelations.h"
#include "world/View.h"

namespace {
struct CasingLook {
    float half;  // half size of its box against the map
    float scale;
};
// By kind: rifle, shotgun.
constexpr std::array<CasingLook, 2> kLooks{{{2.0f, 1.0f}, {3.0f, 0.75f}}};

const CasingLook& LookOf(ShellCasing::Kind kind) {
    return kLooks[static_cast<std::size_t>(kind) % kLooks.size()];
}
}  // namespace

ShellCasing::ShellCasing(Kind kind, int sprite, Vec2 position, Vec2 velocity)
    : kind_(kind),
      sprite_(sprite),
      position_(position),
      velocity_(velocity),
      spin_(RandomRange(0.5f, 1.0f)) {}

void ShellCasing::Update(Arena& arena) {
    const float step = arena.Step();
    velocity_.y += Particle::kFall * step;
    const float half = LookOf(kind_).half;
    Bounce(MoveAgainstMap(arena, position_, velocity_, step, Vec2{half, half}));
    rotation_ += spin_ * step;
    age_ += step;
    if (Spent(arena)) SetFinished();
}

void ShellCasing::Bounce(int side) {
    if (side == kSideLeft || side == kSideRight) {
        velocity_.x = -velocity_.x;
    } else if (side == kSideTop || side == kSideBottom) {
        velocity_.y = -(velocity_.y * RandomRange(0.4f, 0.7f));
        velocity_.x *= 0.4f;
        spin_ *= RandomRange(0.5f, 1.0f);
        if (RandomInt() % 2 == 1) spin_ = -spin_;
    }
}

// Each test is written so that a NaN answers "spent".
bool ShellCasing::Spent(Arena& arena) const {
    const bool turning = std::fabs(rotation_) <= kMostTurn && std::fabs(spin_) >= kLeastSpin;
    const bool young = age_ <= kMostLife;
    return !turning || !young || !RectContains(arena.Map().Bounds(), position_.x, position_.y);
}

void ShellCasing::Draw(const View& view) const {
    const Sprite* sprite = view.GetSprite(sprite_);
    if (sprite == nullptr) return;
    const Vec2 at = view.ToScreen(position_);
    const float scale = LookOf(kind_).scale;
    view.GetRenderer().DrawSpriteScaled(*sprite, at.x, at.y, scale, scale, 255, rotation_);
}
