#include "bots/Targeting.h"

#include <algorithm>
#include <cmath>

#include "arena/Arena.h"
#include "bots/BotSkill.h"
#include "bots/Navigation.h"
#include "core/Geometry.h"
#include "core/Random.h"
#include "player/Player.h"

namespace {
constexpr float kSightRange = 950.0f;

// As written, a bot aims true and draws nothing.
float RandomError(const BotSkill& skill) {
    return skill.aimError > 0.0f ? RandomRange(-skill.aimError, skill.aimError) : 0.0f;
}

bool InSight(Player& bot, Arena& arena, Vec2 to) {
    ++bot.Mind().sightTests;
    return !arena.Map().SegmentHitsPlatform(Segment{bot.Position(), to});
}

bool IsEnemy(const Player& bot, const Player& other) {
    return other.Team() != bot.Team() || bot.Team() == Team::None;
}

float DistanceBetween(const Player& a, const Player& b) {
    return Distance(a.Position().x, a.Position().y, b.Position().x, b.Position().y);
}

// Too close: back off from the target, unless a wall behind says there is no room.
void KeepAway(Player& bot, const Player& target) {
    BotMind& mind = bot.Mind();
    const float x = bot.Position().x;
    const float targetX = target.Position().x;
    if (std::abs(targetX - x) >= mind.keepAway) return;
    if (mind.camping == 1) mind.nextDecision = 0.0f;
    if (mind.hitWall) {
        mind.keepAway = 0.0f;
    } else if (targetX > x) {
        bot.SetMove(MoveDirection::Left);
    } else if (targetX < x) {
        bot.SetMove(MoveDirection::Right);
    } else {
        WalkRandomly(bot);
    }
}

void HoldTarget(Player& bot, Arena& arena, const BotSkill& skill) {
    BotMind& mind = bot.Mind();
    mind.bestCandidate = -1;
    mind.scanIndex = 0;
    const Player* target = HeldTarget(bot, arena);
    if (target == nullptr) {
        mind.target = -1;
        return;
    }
    if (--mind.sightCountdown > 0) return;
    mind.sightCountdown = skill.sightFrames;
    mind.aimError = RandomError(skill);
    if (!InSight(bot, arena, target->Position())) {
        mind.target = -1;
        return;
    }
    KeepAway(bot, *target);
}
}  // namespace

Player* HeldTarget(const Player& bot, Arena& arena) {
    const int target = bot.Mind().target;
    if (target < 0 || target >= arena.PlayerCount()) return nullptr;
    Player& player = arena.GetPlayer(target);
    return player.InPlay() ? &player : nullptr;
}

void TrackTarget(Player& bot, Arena& arena, const BotSkill& skill) {
    if (bot.Mind().target == -1) {
        FindTarget(bot, arena, skill);
    } else {
        HoldTarget(bot, arena, skill);
    }
}

void FindTarget(Player& bot, Arena& arena, const BotSkill& skill) {
    BotMind& mind = bot.Mind();
    const int count = arena.PlayerCount();
    int tests = skill.testsPerFrame;
    for (int i = std::max(mind.scanIndex, 0); i < count; ++i) {
        const Player& other = arena.GetPlayer(i);
        if (i == bot.Number() || !other.InPlay() || !IsEnemy(bot, other)) continue;
        if (tests == 0) {
            mind.scanIndex = i;  // looked at again next frame
            return;
        }
        --tests;
        const float distance = DistanceBetween(bot, other);
        if (distance > kSightRange || !InSight(bot, arena, other.Position())) continue;
        const bool best = mind.bestCandidate < 0 || mind.bestCandidate >= count ||
                          distance < DistanceBetween(bot, arena.GetPlayer(mind.bestCandidate));
        if (best) mind.bestCandidate = i;
    }
    mind.scanIndex = 0;
    if (mind.bestCandidate < 0 || mind.bestCandidate >= count) return;
    if (arena.GetPlayer(mind.bestCandidate).InPlay()) {
        mind.target = mind.bestCandidate;
        mind.sightCountdown = skill.sightFrames;
        mind.aimError = RandomError(skill);
    }
}
