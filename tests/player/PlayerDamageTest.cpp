// Shots finding a fighter, and what damage, heads, bleeding and deaths do, against an arena
// double.
#include <gtest/gtest.h>

#include "core/Random.h"
#include "player/Player.h"
#include "support/TestArena.h"
#include "weapons/effects/FlyingHead.h"
#include "weapons/effects/FlyingHelmet.h"
#include "weapons/effects/FlyingLimb.h"

namespace {
// Players stand on the floor with their body's centre at y 488.
class PlayerDamageTest : public testing::Test {
protected:
    PlayerDamageTest() {
        SeedRandom(3);
        arena_.AddFloor();
    }
    Player& Standing(float x) { return arena_.AddStandingPlayer({x, 488.0f}); }

    TestArena arena_;
};
}  // namespace

TEST_F(PlayerDamageTest, ShotsFindTheBodyAndTheHeadOnlyAlongTheSegment) {
    const Player& target = Standing(1000.0f);
    const Vec2 neck = target.Lower().Point(0), hip = target.Lower().Point(1);
    struct Case {
        const char* what;
        Segment shot;
        bool hit, head;
    };
    const Case cases[] = {
        {"across the hips", {{900, hip.y + 1}, {1100, hip.y + 1}}, true, false},
        {"straight down onto the head", {{neck.x, 300}, {neck.x, neck.y - 4}}, true, true},
        {"across the top of the head", {{800, neck.y - 7}, {1200, neck.y - 7}}, true, true},
        {"straight up into the head", {{neck.x + 2, neck.y + 5}, {neck.x + 2, 300}}, true, true},
        {"straight down beside the head", {{neck.x + 6, 300}, {neck.x + 6, 480}}, false, false},
        {"ending short of the head", {{800, neck.y - 4}, {neck.x - 6, neck.y - 4}}, false, false},
        // Aiming steeply down from just past his own head: the box lies behind the shot.
        {"past the head", {{neck.x - 5, neck.y - 9}, {neck.x - 40, neck.y + 30}}, false, false},
        {"of no length", {{neck.x, neck.y - 4}, {neck.x, neck.y - 4}}, false, false},
    };
    for (const Case& c : cases) {
        const PlayerHit hit = target.TraceShot(c.shot);
        EXPECT_EQ(std::pair(hit.hit, hit.head), std::pair(c.hit, c.head)) << c.what;
        EXPECT_TRUE(!hit.hit || (hit.t >= 0.0f && hit.t <= 1.0f)) << c.what;
    }
    // A new life's figure is not hit before its first update places it.
    Player& fresh = arena_.AddPlayer();
    fresh.Spawn();
    fresh.SetPosition(target.Position());
    EXPECT_FALSE(fresh.TraceShot(cases[0].shot).hit);
}

TEST_F(PlayerDamageTest, APlayerAndAWallMetAtTheSameTGoToThePlayer) {
    const Player& target = Standing(1000.0f);
    const float y = target.Lower().Point(1).y + 1;
    const float bone = target.TraceShot(Segment{{900, y}, {1100, y}}).point.x;
    arena_.AddPlatform(bone, 400, bone + 10, 499);
    const ShotTrace trace = arena_.TraceShot(Segment{{900, y}, {1100, y}}, 3);
    EXPECT_EQ(trace.player, 0);
    EXPECT_EQ(trace.platform, nullptr);
}

TEST_F(PlayerDamageTest, ArmourTakesArmourDamageAndHealthBelowOneDies) {
    struct Case {
        float armour, armourDamage, healthDamage, armourLeft, healthLeft;
        unsigned fragments;
        bool alive, god = false;
    };
    const Case cases[] = {
        {3, 10, 0, 0, 100, 12, true},              // worn through: fragments, health untouched
        {50, 10, 0, 40, 100, 0, true},             // still on
        {0, 10, 0, 0, 100, 0, true},               // none to wear
        {0, 0, 99, 0, 1, 0, true},                 // exactly 1.0 left lives
        {0, 0, 99.5f, 0, 0.5f, 0, false},          // 0.5 is dead
        {100, 500, 500, 100, 100, 0, true, true},  // god mode: nothing, not even the head
    };
    for (const Case& c : cases) {
        TestArena arena;
        Player& player = arena.AddPlayer();
        player.Spawn();
        if (c.armour > 0) player.Give("armour", arena);
        if (c.armour > 0) player.DamageArmour(100 - c.armour, arena);
        player.SetGodMode(c.god);
        arena.particles.clear();
        player.DamageArmour(c.armourDamage, arena);
        player.TakeDamage(c.healthDamage, -1, arena);
        player.LoseHead(-1, arena);
        EXPECT_FLOAT_EQ(player.Armour(), c.armourLeft);
        EXPECT_FLOAT_EQ(player.Health(), c.healthLeft);
        EXPECT_EQ(arena.particles.size(), c.fragments);
        EXPECT_EQ(player.InPlay(), c.alive);
        EXPECT_EQ(player.HasHead(), c.god);
    }
}

TEST_F(PlayerDamageTest, KillsCreditEnemiesNotTeamMatesAndSuicidesAreAnnounced) {
    struct Case {
        const char* what;
        Team killerTeam, victimTeam;
        bool suicide;
        int frags;
        ChatEvent victimEvent;
    };
    const Case cases[] = {
        {"free for all", Team::None, Team::None, false, 1, ChatEvent::Death},
        {"enemy", Team::Red, Team::Blue, false, 1, ChatEvent::Death},
        {"team-mate", Team::Red, Team::Red, false, 0, ChatEvent::Death},
        {"himself", Team::None, Team::None, true, 0, ChatEvent::Suicide},
    };
    for (const Case& c : cases) {
        TestArena arena;
        arena.teamGame = c.killerTeam != Team::None;
        Player& killer = arena.AddPlayer();
        killer.Spawn();
        killer.SetTeam(c.killerTeam);
        Player& victim = c.suicide ? killer : arena.AddPlayer();
        victim.Spawn();
        victim.SetTeam(c.victimTeam);
        victim.TakeDamage(200, 0, arena);
        victim.CreditKill(0, arena);
        EXPECT_EQ(killer.Frags(), c.frags) << c.what;
        EXPECT_EQ(arena.teamScores[static_cast<std::size_t>(c.killerTeam)],
                  arena.teamGame ? c.frags : 0)
            << c.what;
        ASSERT_FALSE(arena.chatEvents.empty()) << c.what;
        EXPECT_EQ(arena.chatEvents.front().second, c.victimEvent) << c.what;
        ASSERT_EQ(arena.messages.size(), c.frags + (c.suicide ? 1u : 0u)) << c.what;
        if (c.frags > 0) {
            EXPECT_EQ(arena.title, "You fragged P1") << c.what;
            EXPECT_TRUE(arena.messages[0].starts_with("*** P1 ")) << c.what;
            EXPECT_TRUE(arena.messages[0].ends_with(" P0 ***")) << c.what;
        }
    }
}

TEST_F(PlayerDamageTest, FragsStopWhenTheMatchIsOverAndTheLimitEndsIt) {
    Player &killer = Standing(900.0f), &victim = Standing(1000.0f);
    arena_.fragLimit = 1;
    victim.TakeDamage(200, 0, arena_);
    victim.CreditKill(0, arena_);
    arena_.matchOver = true;
    killer.Fragged(victim, arena_);
    EXPECT_EQ(std::pair(arena_.matchEnds, killer.Frags()), std::pair(1, 1));
}

// Whether a team-mate is credited is the kills' test above.
TEST_F(PlayerDamageTest, TheHeadlessBleedToDeathCreditingWhoTookTheHead) {
    const Player& killer = Standing(900.0f);
    Player& victim = Standing(1000.0f);
    victim.LoseHead(0, arena_);
    int frames = 0;
    for (; victim.InPlay() && frames < 1000; ++frames)
        victim.Update(arena_);
    // 100 health at 0.25 a step.
    EXPECT_EQ(std::tuple(frames, killer.Frags(), victim.LastKiller()), std::tuple(400, 1, 0));
    EXPECT_EQ(arena_.chatEvents.back(), std::make_pair(1, ChatEvent::Death));
    EXPECT_EQ(arena_.ObjectsOf<FlyingLimb>().size(), 18u);
    EXPECT_TRUE(arena_.ObjectsOf<FlyingHead>().empty());  // it was gone already
}

TEST_F(PlayerDamageTest, ABurstThrowsTheLimbsAwayFromTheBlow) {
    Standing(1000.0f).Gib(arena_, Vec2{900.0f, 488.0f}, true, false);
    EXPECT_EQ(arena_.ObjectsOf<FlyingHelmet>().size(), 1u);
    for (const FlyingLimb* limb : arena_.ObjectsOf<FlyingLimb>())
        EXPECT_GT(limb->Velocity().x, 0.0f);
}
