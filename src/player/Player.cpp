#include "player/Player.h"

#include <algorithm>

#include "arena/Arena.h"
#include "core/Random.h"
#include "player/AnimationSet.h"
#include "weapons/Weapon.h"

namespace {
constexpr float kThrustFuel = 500.0f;
constexpr float kArmourGiven = 100.0f;
constexpr float kSlowMotion = 0.25f;
}  // namespace

Player::Player() {
    chat.timer = RandomRange(500.0f, 1000.0f);
    mind_.ChooseKeepAway();
    chat.deliveryTimer = RandomRange(10.0f, 100.0f);
}

void Player::FitAnimationStates(const Arena& arena) {
    arena.LowerAnimations().Fit(lowerState_);
    arena.UpperAnimations().Fit(upperState_);
}

bool Player::Spawn() {
    thrustRequested_ = false;
    thrustFuel_ = kThrustFuel;
    smokeTimer_ = 0.0f;
    bulletTime_ = 0.0f;
    lastAttacker_ = -1;
    bleedTimer_ = 0.0f;
    mind_.StartLife();
    crouched_ = false;
    lowerState_.Set(kLowerStanding, -1);
    upperState_.Set(0, -1);
    deadTime_ = 0.0f;
    health_ = kFullHealth;
    maxHealth_ = kFullHealth;
    armour_ = 0.0f;
    hasHead_ = true;
    hasHelmet_ = true;
    inPlay_ = true;
    placed_ = false;
    position_ = Vec2{400.0f, 300.0f};
    velocity_ = Vec2{};
    ground_ = nullptr;
    moveDirection_ = MoveDirection::None;
    facing_ = Facing::Left;
    weapons_.Select(-1);
    aim_ = 0.0f;
    SetMove(RandomInt() % 2 == 0 ? MoveDirection::Left : MoveDirection::Right);
    mind_.ResetNavigation();
    const bool first = firstSpawn_;
    firstSpawn_ = false;
    return first;
}

void Player::ResetEquipment(Arena& arena) {
    // Without profiles there is nothing to pick, and a bot simply has none.
    const int profiles = arena.BotProfileCount();
    if (botProfile_ == -1 && profiles > 0) botProfile_ = RandomInt() % profiles;
    weapons_.Clear();
    weapons_.Add(arena.CreateWeapon(kStartingWeapon));
    weapons_.Select(weapons_.Count() - 1);
}

std::string Player::GetName(const Arena& arena) const { return arena.PlayerName(number_); }

void Player::SetMove(::MoveDirection direction) {
    if (direction != moveDirection_ && !crouched_) {
        lowerState_.Set(direction == MoveDirection::None ? kLowerStanding : kLowerRunning, -1);
    }
    if (direction != MoveDirection::None) {
        facing_ = direction == MoveDirection::Left ? Facing::Left : Facing::Right;
    }
    moveDirection_ = crouched_ ? MoveDirection::None : direction;
}

void Player::SetFacing(::Facing facing) {
    facing_ = facing;
    if (moveDirection_ != MoveDirection::None) {
        moveDirection_ = facing == Facing::Left ? MoveDirection::Left : MoveDirection::Right;
    }
}

void Player::AimUp(float step) { aim_ = std::min(aim_ + kAimRate * step, kMaxAim); }

void Player::AimDown(float step) { aim_ = std::max(aim_ - kAimRate * step, -kMaxAim); }

void Player::Jump() {
    if (crouched_) return;
    if (ground_ != nullptr) velocity_.y = kJumpVelocity;
    mind_.OnJump();
}

void Player::Thrust() {
    if (thrustFuel_ > 0.0f) thrustRequested_ = true;
}

void Player::ToggleCrouch() {
    if (ground_ == nullptr) return;
    crouched_ = !crouched_;
    lowerState_.Set(crouched_ ? kLowerCrouched : kLowerStanding, -1);
}

void Player::StartBulletTime(float duration, Arena& arena) {
    if (!inPlay_ || !hasHead_) return;
    bulletTime_ = duration;
    if (SlowsTheMatch(arena)) arena.SetTimeScaleTarget(kSlowMotion);
    smokeTimer_ = RandomRange(4.0f, 8.0f);
}

// The human's bullet time slows the match; in a network match every human's does, for everyone.
bool Player::SlowsTheMatch(const Arena& arena) const {
    return number_ == 0 || arena.RemoteSlot(number_);
}

void Player::EndBulletTime(Arena& arena) {
    smokeTimer_ = 0.0f;
    bulletTime_ = 0.0f;
    if (SlowsTheMatch(arena)) arena.SetTimeScaleTarget(1.0f);
}

void Player::Give(const std::string& what, Arena& arena) {
    if (what == "all") {
        Give("health", arena);
        Give("armour", arena);
        weapons_.Clear();
        for (int i = 0; i < arena.WeaponDefCount(); ++i)
            weapons_.Add(arena.CreateWeaponAt(i));
        weapons_.Select(0);
    } else if (what == "health") {
        health_ = maxHealth_;
    } else if (what == "armour" || what == "armor") {
        armour_ = kArmourGiven;
    } else if (what == "noggin") {
        hasHead_ = true;
    }
}
