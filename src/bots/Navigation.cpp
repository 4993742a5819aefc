#include "bots/Navigation.h"

#include "arena/Arena.h"
#include "core/Random.h"
#include "player/Player.h"
#include "world/Platform.h"
#include "world/PlatformList.h"

namespace {
constexpr float kJumpHeight = 100.0f;  // how much higher a platform may be to jump onto
constexpr float kJumpWidth = 200.0f;   // how wide a gap may be to jump across
constexpr float kJumpTimerLow = 300.0f;
constexpr float kJumpTimerHigh = 1500.0f;

// What lies beyond the edge of the ground: a platform below the edge to drop onto, and one
// within a jump.
struct EdgeView {
    bool landing = false;
    bool jumpTarget = false;
};

EdgeView LookLeft(const Float4& ground, const PlatformList& platforms) {
    EdgeView view;
    for (const Platform& platform : platforms) {
        if (!platform.Solid()) continue;
        const Float4& o = platform.Rect();
        if (ground.y1 < o.y1) {
            if (o.x1 < ground.x1 && ground.x1 < o.x2) view.landing = true;
        } else if (ground.y1 - o.y1 < kJumpHeight && o.x1 < ground.x1 &&
                   ground.x1 - o.x2 < kJumpWidth) {
            view.jumpTarget = true;
        }
    }
    return view;
}

// Not the mirror image of the left: a lower platform off to the right is worth a jump too.
EdgeView LookRight(const Float4& ground, const PlatformList& platforms) {
    EdgeView view;
    for (const Platform& platform : platforms) {
        if (!platform.Solid()) continue;
        const Float4& o = platform.Rect();
        if (ground.y1 < o.y1 && o.x1 < ground.x2 && ground.x2 < o.x2) {
            view.landing = true;
        } else if (ground.y1 - o.y1 < kJumpHeight && o.x2 > ground.x2 &&
                   o.x1 - ground.x2 < kJumpWidth) {
            view.jumpTarget = true;
        }
    }
    return view;
}

void EdgeRule(Player& bot, const Platform& ground, Arena& arena) {
    const Float4& g = ground.Rect();
    const float x = bot.Position().x;
    const MoveDirection moving = bot.MoveDirection();
    const bool leftEdge = moving == MoveDirection::Left && x < g.x1;
    const bool rightEdge = moving == MoveDirection::Right && x > g.x2;
    if (!leftEdge && !rightEdge) return;
    const PlatformList& platforms = arena.Map().Platforms();
    const EdgeView view = leftEdge ? LookLeft(g, platforms) : LookRight(g, platforms);
    if (view.landing && view.jumpTarget) {
        // Either will do: jump on, or drop down.
        if (RandomInt() % 2 == 1) bot.Mind().jumpFlag = false;
        if (bot.Mind().jumpFlag) bot.Jump();
    } else if (view.jumpTarget) {
        bot.Jump();
    } else if (!view.landing) {
        bot.SetMove(leftEdge ? MoveDirection::Right : MoveDirection::Left);
    }
}
}  // namespace

void WalkRandomly(Player& bot) {
    bot.SetMove(RandomInt() % 2 == 0 ? MoveDirection::Left : MoveDirection::Right);
}

void Navigate(Player& bot, Arena& arena) {
    BotMind& mind = bot.Mind();
    if (const Platform* ground = bot.Ground()) EdgeRule(bot, *ground, arena);
    if (mind.hitWall && bot.Ground() != nullptr) {
        if (RandomInt() % 2 == 1) {
            WalkRandomly(bot);
        } else {
            bot.Jump();
        }
    }
    mind.jumpTimer -= arena.Step();
    if (mind.jumpTimer <= 0.0f) {
        mind.jumpTimer = RandomRange(kJumpTimerLow, kJumpTimerHigh);
        bot.Jump();
    }
}
