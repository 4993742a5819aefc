#include "bots/BotBrain.h"

#include <algorithm>

#include "arena/Arena.h"
#include "bots/Aiming.h"
#include "bots/BotFiles.h"
#include "bots/BotFiring.h"
#include "bots/BotSkill.h"
#include "bots/Navigation.h"
#include "bots/Targeting.h"
#include "core/Random.h"
#include "player/Player.h"
#include "weapons/Weapon.h"

namespace {
constexpr float kProbe = 150.0f;  // how far ahead a camper looks for a wall to lean on

// Camp or roam for a while, and now and then take the next weapon.
void Decide(Player& bot, int campChance, Arena& arena) {
    BotMind& mind = bot.Mind();
    if (mind.decisionClock <= mind.nextDecision) return;
    mind.decisionClock = 0.0f;
    if (RandomInt() % 100 > campChance) {
        mind.nextDecision = RandomRange(50.0f, 200.0f);
        mind.camping = 0;
        WalkRandomly(bot);
    } else {
        const Vec2 at = bot.Position();
        const float ahead = bot.Facing() == Facing::Left ? -kProbe : kProbe;
        ++mind.sightTests;
        const bool walled = arena.Map().SegmentHitsPlatform(Segment{at, {at.x + ahead, at.y}});
        // A wall ahead makes a poor lookout: move on soon.
        mind.nextDecision = walled ? RandomRange(50.0f, 70.0f) : RandomRange(400.0f, 700.0f);
        mind.camping = 1;
        bot.SetMove(MoveDirection::None);
    }
    if (RandomInt() % 3 == 0) bot.NextWeapon();
}

// The weapon steps: away from the sidearm, aim and fire, then mind the ammunition.
void UseWeapon(Player& bot, float window, const BotSkill& skill, Arena& arena) {
    if (bot.CurrentWeapon() == nullptr || !bot.Placed()) return;
    if (bot.CurrentWeapon()->KindId() == kSidearmKind) bot.NextWeapon();
    AimAndFire(bot, window, skill, arena);
    ReloadOrSwitch(bot, arena);
}
}  // namespace

void Think(Player& bot, Arena& arena) {
    if (bot.Number() == 0 && !arena.BotInHumanSlot()) return;
    const BotProfile* profile = arena.Bots().Profile(bot.BotProfile());
    if (profile == nullptr) {
        // Nothing to think with: it stands where it landed.
        bot.SetMove(MoveDirection::None);
        return;
    }
    const BotSkill& skill = BotSkill::For(arena.BotSkillLevel());
    BotMind& mind = bot.Mind();
    const auto slot = static_cast<std::size_t>(std::clamp(mind.profileSlot, 0, 2));
    mind.decisionClock += arena.Step();
    Navigate(bot, arena);
    Decide(bot, profile->camp[slot], arena);
    TrackTarget(bot, arena, skill);
    UseWeapon(bot, profile->acc[slot], skill, arena);
    mind.hitWall = false;
}
