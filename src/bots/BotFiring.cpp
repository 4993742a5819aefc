#include "bots/BotFiring.h"

#include <array>

#include "arena/Arena.h"
#include "bots/Aiming.h"
#include "bots/BotSkill.h"
#include "bots/Targeting.h"
#include "core/Geometry.h"
#include "core/Random.h"
#include "player/Player.h"
#include "weapons/Weapon.h"
#include "world/Platform.h"

namespace {
constexpr float kFlameReach = 200.0f;
constexpr float kRocketNear = 200.0f;  // closer, the rocket would hurt its shooter
constexpr float kRocketFar = 700.0f;
constexpr float kSniperStandOff = 400.0f;
constexpr float kLedgeLook = 20.0f;

using Fire = void (*)(Player& bot, Weapon& weapon, float distance, const BotSkill& skill,
                      Arena& arena);

struct KindFire {
    int kind;
    Fire fire;
};

constexpr std::array<KindFire, 3> kFiring = {{
    {kFlamerKind,
     [](Player& bot, Weapon& weapon, float distance, const BotSkill&, Arena& arena) {
         if (distance < kFlameReach) weapon.HoldPrimary(bot, arena);
     }},
    {kM4Kind,
     [](Player& bot, Weapon& weapon, float distance, const BotSkill&, Arena& arena) {
         weapon.HoldPrimary(bot, arena);
         if (kRocketNear < distance && distance < kRocketFar) weapon.PressSecondary(bot, arena);
     }},
    {kSniperKind, [](Player& bot, Weapon& weapon, float, const BotSkill&,
                     Arena& arena) { weapon.PressPrimary(bot, arena); }},
}};

void FireOtherKind(Player& bot, Weapon& weapon, float /*distance*/, const BotSkill& skill,
                   Arena& arena) {
    if (RandomRange(0.0f, 100.0f) > skill.fireChance) return;
    weapon.HoldPrimary(bot, arena);
    weapon.PressPrimary(bot, arena);
}

// A sniper at the end of its platform, facing off it, stays there while its target is far.
bool SniperAtLedge(const Player& bot, float distance) {
    const Platform* ground = bot.Ground();
    const Weapon* weapon = bot.CurrentWeapon();
    if (ground == nullptr || weapon == nullptr || weapon->KindId() != kSniperKind) return false;
    const float x = bot.Position().x;
    const Float4& g = ground->Rect();
    const bool leftLedge = x - kLedgeLook < g.x1 && bot.Facing() == Facing::Left;
    const bool rightLedge = x + kLedgeLook > g.x2 && bot.Facing() == Facing::Right;
    return (leftLedge || rightLedge) && distance > kSniperStandOff;
}

void FireAt(Player& bot, const Player& target, float window, const BotSkill& skill, Arena& arena) {
    const Vec2 own = bot.Position();
    const Vec2 at = target.Position();
    const float distance = Distance(own.x, own.y, at.x, at.y);
    if (SniperAtLedge(bot, distance)) bot.SetMove(MoveDirection::None);
    if (!AimAt(bot, target, window, skill, arena)) return;
    Weapon& weapon = *bot.CurrentWeapon();
    Fire fire = FireOtherKind;
    for (const KindFire& entry : kFiring) {
        if (entry.kind == weapon.KindId()) fire = entry.fire;
    }
    fire(bot, weapon, distance, skill, arena);
}
}  // namespace

void AimAndFire(Player& bot, float window, const BotSkill& skill, Arena& arena) {
    if (bot.CurrentWeapon() == nullptr) return;
    if (const Player* target = HeldTarget(bot, arena)) {
        FireAt(bot, *target, window, skill, arena);
    } else {
        LevelAim(bot, skill, arena.Step());
    }
}

void ReloadOrSwitch(Player& bot, Arena& arena) {
    Weapon* weapon = bot.CurrentWeapon();
    if (weapon == nullptr || weapon->Ammo() != 0) return;
    const int kind = weapon->KindId();
    if (kind == kSidearmKind) {
        weapon->PressSecondary(bot, arena);
    } else if (kind == kM4Kind || kind == kFlamerKind) {
        bot.NextWeapon();
    }
}
