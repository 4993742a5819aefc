#include "bots/Aiming.h"

#include <cmath>

#include "arena/Arena.h"
#include "bots/BotSkill.h"
#include "core/Geometry.h"
#include "core/Random.h"
#include "player/Player.h"
#include "weapons/Weapon.h"

namespace {
constexpr float kRestingAim = 10.0f;
constexpr float kTurnOdds = 50.0f;  // a turn when step x rate beats a draw up to this
constexpr float kAimMargin = 3.0f;  // the aim line may pass this far above before it moves down

Vec2 AimPoint(const Player& bot, const Player& target) {
    const Weapon* weapon = bot.CurrentWeapon();
    const bool sniper = weapon != nullptr && weapon->KindId() == kSniperKind;
    const Vec2 point = sniper ? target.Lower().Point(0) : target.Position();
    return Vec2{point.x, point.y + bot.Mind().aimError};
}

bool Faces(const Player& bot, float x) {
    const float own = bot.Position().x;
    return (bot.Facing() == Facing::Left && x < own) || (bot.Facing() == Facing::Right && x > own);
}
}  // namespace

bool AimAt(Player& bot, const Player& target, float window, const BotSkill& skill, Arena& arena) {
    const Vec2 at = AimPoint(bot, target);
    const Vec2 own = bot.Position();
    const float step = arena.Step();
    if (std::abs(at.x - own.x) > bot.Mind().keepAway &&
        step * skill.turnRate > RandomRange(0.0f, kTurnOdds)) {
        bot.SetFacing(at.x > own.x ? Facing::Right : Facing::Left);
    }
    // Where the aim line passes the aim point's distance: the same for either side.
    const float reach = Distance(own.x, own.y, at.x, at.y);
    const float lineY = own.y - reach * std::sin(bot.Aim() * kDegToRad);
    if (lineY + kAimMargin <= at.y) {
        bot.AimDown(step * skill.aimRate);
    } else {
        bot.AimUp(step * skill.aimRate);
    }
    return lineY - window < at.y && at.y < lineY + window && Faces(bot, at.x);
}

void LevelAim(Player& bot, const BotSkill& skill, float step) {
    if (bot.Aim() > kRestingAim) {
        bot.AimDown(step * skill.aimRate);
    } else if (bot.Aim() < kRestingAim) {
        bot.AimUp(step * skill.aimRate);
    }
}
