#include "weapons/effects/FlyingLimb.h"

#include <cmath>

#include "arena/Arena.h"
#include "core/Geometry.h"
#include "core/Random.h"
#include "render/Renderer.h"
#include "weapons/effects/MoveAgainstMap.h"
#include "weapons/effects/Particle.h"
#include "world/PlatformSide.h"
#include "world/RectRelations.h"
#include "world/View.h"

namespace {
// A limb falls a little slower than a particle of gravity 1.
constexpr float kGravity = 0.8f;
constexpr Vec2 kHalfSize{2.0f, 2.0f};
constexpr float kTumble = 10.0f;
// Slower than this both ways on a contact, it lies still and is gone.
constexpr float kAtRest = 0.1f;
constexpr Colour kBlack{0, 0, 0, 255};
}  // namespace

FlyingLimb::FlyingLimb(Vec2 p, Vec2 q, Vec2 velocity)
    : spin_(RandomRange(-kTumble, kTumble)),
      centre_((p + q) * 0.5f),
      halfExtent_(q - centre_),
      velocity_(velocity) {}

void FlyingLimb::Update(Arena& arena) {
    const float step = arena.Step();
    velocity_.y += Particle::kFall * kGravity * step;
    const int side = MoveAgainstMap(arena, centre_, velocity_, step, kHalfSize);
    age_ += step;
    // Written so that a NaN centre or age ends the limb as well.
    const bool inside = RectContains(arena.Map().Bounds(), centre_.x, centre_.y);
    if (!inside || !(age_ <= kMostLife) || (side != kSideNone && !Bounce(side))) {
        SetFinished();
        return;
    }
    angle_ += spin_ * step;
}

bool FlyingLimb::Bounce(int side) {
    spin_ = RandomRange(-kTumble, kTumble);
    if (std::fabs(velocity_.y) < 1.0f) spin_ *= velocity_.y;
    if (std::fabs(velocity_.y) < kAtRest && std::fabs(velocity_.x) < kAtRest) return false;
    if (side == kSideLeft || side == kSideRight) {
        velocity_.x = -velocity_.x * RandomRange(0.7f, 1.0f);
    } else if (side == kSideTop) {
        velocity_.y = -velocity_.y * RandomRange(0.6f, 0.8f);
        velocity_.x *= RandomRange(0.8f, 0.9f);
    } else {
        velocity_.y = 0.0f;
    }
    return true;
}

void FlyingLimb::Draw(const View& view) const {
    Vec2 one = halfExtent_;
    Vec2 other = halfExtent_ * -1.0f;
    RotateAbout(one, centre_, angle_);
    RotateAbout(other, centre_, angle_);
    const Vec2 a = view.ToScreen(one);
    const Vec2 b = view.ToScreen(other);
    Renderer& renderer = view.GetRenderer();
    renderer.SetLineSmooth(true);
    renderer.DrawLine(a.x, a.y, b.x, b.y, kBlack, kBlack);
    renderer.SetLineSmooth(false);
}
