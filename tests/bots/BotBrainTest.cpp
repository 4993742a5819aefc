#include <gtest/gtest.h>

#include <map>

#include "bots/BotBrain.h"
#include "bots/BotSkill.h"
#include "bots/Targeting.h"
#include "core/Random.h"
#include "support/TestArena.h"
#include "weapons/Weapon.h"
#include "weapons/projectiles/Rocket.h"

namespace {
// A bot (player 1) of one profile standing on a floor whose top is at y 500; the human is out
// of play.
struct BotRig {
    BotRig() {
        SeedRandom(9);
        arena.Map().Contents().bounds = Float4{-1000, -1000, 4000, 2000};
        arena.botFiles.profiles.push_back(BotProfile{});
        arena.AddPlayer();
        bot = &AddFighter(Vec2{1000, 488});
        bot->SetBotProfile(0);
    }
    Player& AddFighter(Vec2 at, Team team = Team::None) {
        Player& player = arena.AddPlayer();
        player.Spawn();
        player.SetPosition(at);
        player.SetTeam(team);
        return player;
    }
    BotProfile& Profile() { return arena.botFiles.profiles[0]; }
    // The weapon of a section of that kind, carried and in hand.
    Weapon& Give(WeaponKind kind, std::map<std::string, std::string> keys = {}) {
        keys.emplace("ROF", "0");
        const std::string name = "W" + std::to_string(arena.weaponDefs.size());
        arena.weaponDefs.push_back(WeaponDef{name, kind, keys});
        bot->Weapons().Add(arena.CreateWeapon(name));
        bot->Weapons().Select(bot->Weapons().Count() - 1);
        return *bot->CurrentWeapon();
    }

    TestArena arena;
    Player* bot = nullptr;
};
}  // namespace

TEST(BotBrainTest, CampHundredNeverWalksAndMinusOneNeverCamps) {
    BotRig r;
    for (const int camp : {100, -1}) {
        r.Profile().camp = {camp, camp, camp};
        for (int i = 0; i < 300; ++i) {
            r.bot->Mind().decisionClock = 1e9f;  // a decision every think
            Think(*r.bot, r.arena);
            ASSERT_EQ(r.bot->Mind().camping, camp == 100 ? 1 : 0) << camp;
            ASSERT_EQ(r.bot->MoveDirection() == MoveDirection::None, camp == 100) << camp;
        }
    }
}

TEST(BotBrainTest, WithoutAProfileABotDoesNotThink) {
    BotRig r;
    r.bot->SetBotProfile(-1);
    r.bot->SetMove(MoveDirection::Left);
    Think(*r.bot, r.arena);
    EXPECT_EQ(r.bot->Mind().decisionClock, 0.0f);
    EXPECT_EQ(r.bot->MoveDirection(), MoveDirection::None);
}

TEST(BotBrainTest, ASidearmOnlyBotKeepsItAndReloadsItWhenEmpty) {
    BotRig r;
    r.arena.AddPlatform(0, 500, 2000, 540);
    Weapon& sidearm = r.Give(WeaponKind::Platinum);
    r.bot->Update(r.arena);
    for (int shot = 0; shot < 20 && sidearm.Ammo() > 0; ++shot) {
        sidearm.Tick(*r.bot, r.arena);
        sidearm.PressPrimary(*r.bot, r.arena);
    }
    ASSERT_EQ(sidearm.Ammo(), 0);
    Think(*r.bot, r.arena);
    EXPECT_EQ(r.bot->Weapons().CurrentIndex(), 0);
    EXPECT_EQ(sidearm.Ammo(), 8);
}

TEST(BotBrainTest, TheNearestEnemyInSightWithinRangeBecomesTheTarget) {
    struct Row {
        const char* what;
        std::vector<std::pair<float, Team>> others;  // x at the bot's height, team
        Team own;
        int target;
    };
    const std::vector<Row> rows = {
        {"951 away", {{1951, Team::None}}, Team::None, -1},
        {"950 away", {{1950, Team::None}}, Team::None, 2},
        {"equal distances", {{1300, Team::None}, {700, Team::None}}, Team::None, 2},
        {"the nearer", {{1400, Team::None}, {1200, Team::None}, {100, Team::None}}, Team::None, 3},
        {"no team-mate", {{1100, Team::Red}, {1500, Team::Blue}}, Team::Red, 3},
        {"behind a wall", {{1200, Team::None}, {600, Team::None}}, Team::None, 3},
    };
    for (const Row& row : rows) {
        BotRig r;
        r.arena.AddPlatform(1100, 300, 1120, 700);
        if (std::string(row.what) != "behind a wall") r.arena.Map().Platforms().clear();
        r.arena.Map().BuildQuadTree(GameMap::kTreeDepth);
        r.bot->SetTeam(row.own);
        for (const auto& [x, team] : row.others)
            r.AddFighter(Vec2{x, 488}, team);
        for (int i = 0; i < 4; ++i)
            Think(*r.bot, r.arena);
        EXPECT_EQ(r.bot->Mind().target, row.target) << row.what;
    }
}

TEST(BotBrainTest, AHeldTargetThatIsNoPlayerInPlayIsDropped) {
    BotRig r;
    Player& other = r.AddFighter(Vec2{1200, 488});
    for (const int target : {99, -5, other.Number()}) {
        if (target == other.Number()) other.Die(-1, r.arena);
        r.bot->Mind().target = target;
        Think(*r.bot, r.arena);
        EXPECT_EQ(r.bot->Mind().target, -1) << target;
    }
}

TEST(BotBrainTest, AtAnEdgeABotJumpsToAPlatformOnTheRightButTurnsBackOnTheLeft) {
    struct Row {
        Float4 ground;
        Float4 lower;  // 50 beyond the edge, not under it
        float x;
        MoveDirection moving;
        bool jumps;
        MoveDirection after;
    };
    using enum MoveDirection;
    // clang-format off
    const Row rows[] = {{{0, 500, 1000, 540}, {1050, 600, 1400, 640}, 1003, Right, true, Right},
                        {{1000, 500, 2000, 540}, {600, 600, 950, 640}, 997, Left, false, Right}};
    // clang-format on
    for (const Row& row : rows) {
        BotRig r;
        r.arena.AddPlatform(row.ground.x1, row.ground.y1, row.ground.x2, row.ground.y2);
        r.arena.AddPlatform(row.lower.x1, row.lower.y1, row.lower.x2, row.lower.y2);
        r.bot->SetPosition(Vec2{row.x, 488});
        r.bot->SetMove(row.moving);
        r.bot->Update(r.arena);
        ASSERT_NE(r.bot->Ground(), nullptr);
        r.bot->Mind().nextDecision = 1e9f;
        Think(*r.bot, r.arena);
        EXPECT_EQ(r.bot->Velocity().y == Player::kJumpVelocity, row.jumps);
        EXPECT_EQ(r.bot->MoveDirection(), row.after);
    }
}

TEST(BotBrainTest, AnM4FiresEveryFrameAndAddsARocketBetween200And700) {
    for (const auto& [distance, rockets] : {std::pair{150.0f, 0u}, {400.0f, 1u}, {800.0f, 0u}}) {
        BotRig r;
        r.arena.AddPlatform(-1000, 500, 3000, 540);
        r.Profile().acc = {20, 20, 20};
        Weapon& m4 = r.Give(WeaponKind::M4, {{"RPG", "True"}});
        Player& target = r.AddFighter(Vec2{1000 - distance, 488});
        r.bot->SetFacing(Facing::Left);
        r.bot->SetMove(MoveDirection::None);
        r.bot->Update(r.arena);
        target.Update(r.arena);
        r.bot->Mind().target = target.Number();
        r.bot->Mind().nextDecision = 1e9f;
        for (int frame = 0; frame < 3; ++frame) {
            m4.Tick(*r.bot, r.arena);
            Think(*r.bot, r.arena);
        }
        EXPECT_EQ(m4.Ammo(), 57) << distance;
        EXPECT_EQ(r.arena.ObjectsOf<Rocket>().size(), rockets) << distance;
    }
}
