// One frame of a player in play, in the order the steps must run.
#include <array>

#include "arena/Arena.h"
#include "core/Random.h"
#include "player/AnimationSet.h"
#include "player/BodyCollision.h"
#include "player/MouseLook.h"
#include "player/Player.h"
#include "weapons/Weapon.h"
#include "weapons/effects/SmokePuff.h"
#include "world/GameMap.h"

namespace {
// What the message list says of a player who fell off the bottom of the map.
constexpr std::array<const char*, 7> kFallTexts = {
    " fell through the ice",     " fell to his death",      " dropped of the earth",
    " couldn't take it anymore", " tried to fly like bird", " isnt any good at flying",
    " fell off the tight rope",
};
}  // namespace

void Player::Update(Arena& arena) {
    const float step = arena.Step();
    if (number_ == 0) {
        if (MouseLook* look = arena.HumanMouse()) look->Apply(*this, step);
    }
    // The bots' chat timers and their thinking run here once bots exist.
    CountDownBulletTime(arena);
    Accelerate(step);
    MoveWithCollision(arena);
    PlaceFigure();
    if (position_.y > arena.Map().Bounds().y2) {
        FallOffMap(arena);
        return;
    }
    if (hasHead_) {
        Smoke(arena);
    } else {
        Bleed(arena);
        if (!inPlay_) return;
    }
    TickWeapons(arena);
    thrustRequested_ = false;
}

void Player::CountDownBulletTime(Arena& arena) {
    if (bulletTime_ <= 0.0f) return;
    bulletTime_ -= arena.Step();
    // Landing exactly on zero ends it too: the next frame would not count down again, and the
    // world would stay slow for good.
    if (bulletTime_ <= 0.0f) EndBulletTime(arena);
}

void Player::Accelerate(float step) {
    if (thrustRequested_) {
        ground_ = nullptr;
        velocity_.y -= kThrust * step;
        if (velocity_.y < kMaxRise) velocity_.y = kMaxRise;
    }
    velocity_.y += step * kGravity * (bulletTime_ > 0.0f ? 0.5f : 1.0f);
    constexpr std::array<float, 3> kRun = {0.0f, -kRunSpeed, kRunSpeed};
    velocity_.x = kRun[static_cast<std::size_t>(moveDirection_)];
}

void Player::MoveWithCollision(Arena& arena) {
    const float step = arena.Step();
    const float dx = step * velocity_.x;
    const float dy = step * velocity_.y;
    arena.LowerAnimations().Animate(lower_, lowerState_, step);
    arena.UpperAnimations().Animate(upper_, upperState_, step);
    upper_.Rotate(aim_);

    const Float4 oldBox{position_.x - kBoxWidth / 2, position_.y - kBoxHeight / 2,
                        position_.x + kBoxWidth / 2, position_.y + kBoxHeight / 2};
    const BodyMove move = MoveBody(arena.Map(), oldBox, dx, dy, velocity_.y);
    ground_ = move.ground;
    if (move.hitWall) mind_.OnHitWall();
    if (move.blockX) velocity_.x = 0.0f;
    if (move.blockY) velocity_.y = 0.0f;
    position_ = Vec2{(move.box.x1 + move.box.x2) / 2, (move.box.y1 + move.box.y2) / 2};
}

// The figure is animated facing left around (0, 0); here it turns and goes to the body.
void Player::PlaceFigure() {
    if (facing_ == Facing::Right) {
        lower_.Mirror();
        upper_.Mirror();
    }
    const Vec2 neck = lower_.Point(0);
    upper_.Move(neck.x, neck.y);
    lower_.Move(position_.x, position_.y);
    upper_.Move(position_.x, position_.y);
    lower_.UpdateBounds();
    placed_ = true;
}

void Player::FallOffMap(Arena& arena) {
    Gib(arena, Vec2{}, false, true);
    Die(-1, arena);
    const char* text = kFallTexts[static_cast<std::size_t>(RandomInt() % 7)];
    arena.AddMessage("*** " + GetName(arena) + text + "***");
}

// In bullet time a cigarette hangs from the face, and now and then it puffs.
void Player::Smoke(Arena& arena) {
    if (bulletTime_ <= 0.0f) return;
    smokeTimer_ -= arena.Step();
    if (smokeTimer_ >= 0.0f) return;
    smokeTimer_ = RandomRange(4.0f, 8.0f);
    const Vec2 neck = lower_.Point(0);
    const Vec2 velocity{RandomRange(-0.2f, 0.2f), RandomRange(-0.5f, -0.45f)};
    PuffSmoke(arena, Vec2{neck.x + (facing_ == Facing::Left ? -8.0f : 8.0f), neck.y + 2}, velocity,
              SmokeLook::Cigarette);
}

void Player::TickWeapons(Arena& arena) {
    for (int i = 0; i < weapons_.Count(); ++i)
        weapons_.At(i).Tick(*this, arena);
}
