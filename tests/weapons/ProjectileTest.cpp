// Bullets, grenades, rockets and flames against an arena double, shot at posed figures.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "core/Random.h"
#include "player/Player.h"
#include "support/TestArena.h"
#include "weapons/effects/FlyingHead.h"
#include "weapons/effects/FlyingHelmet.h"
#include "weapons/projectiles/Bullet.h"
#include "weapons/projectiles/Flame.h"
#include "weapons/projectiles/Grenade.h"
#include "weapons/projectiles/Rocket.h"

namespace {
constexpr int kSpark = 7;

// The floor with a wall from x 1100 to 1140 standing on it; the sprites and sounds the
// projectiles use.
void Build(TestArena& arena) {
    SeedRandom(5);
    arena.AddFloor();
    arena.AddPlatform(1100, 300, 1140, 500);
    arena.sprites.spark = kSpark;
    arena.sprites.blood = {1, 2, 3};
    arena.soundTable = {"Pop.wav", "Explode.wav"};
}

// A player standing still on the floor at `x`.
Player& Place(TestArena& arena, float x, bool armour = false, Team team = Team::None) {
    Player& player = arena.AddStandingPlayer({x, 488}, team);
    if (armour) player.Give("armour", arena);
    return player;
}

std::size_t Sparks(const TestArena& arena) {
    return static_cast<std::size_t>(
        std::ranges::count(arena.particles, kSpark, &ParticleSetup::sprite));
}
}  // namespace

TEST(ProjectileTest, ABulletRunsOutOfLifeInTheAir) {
    TestArena arena;
    Build(arena);
    Bullet flying(BulletSetup{.position = {100, 400}, .velocity = {0, -20}, .life = 1.5f});
    flying.Update(arena);
    EXPECT_FALSE(flying.Finished());
    flying.Update(arena);
    EXPECT_TRUE(flying.Finished());
}

TEST(ProjectileTest, ABulletSparksOffAWallTakesTheHelmetOrTheHeadOrHurtsArmourBeforeHealth) {
    struct Case {
        Vec2 from;  // flying right: at y 470 it meets the head, at 480 the spine
        float chance, damage;
        int shots;
        bool helmet, armour, head, helmetLeft;  // worn before; head and helmet kept after
        float health, armourLeft;               // health 0: burst
        std::size_t heads, helmets, sparks, particles;
    };
    const Case cases[] = {
        // Sparks off the wall, and nobody is hurt.
        {{1085, 400}, 25, 11, 1, true, false, true, true, 100, 0, 0, 0, 3, 3},
        // Off comes the head, and the body bleeds.
        {{385, 470}, 25, 11, 1, false, false, false, false, 89, 0, 1, 0, 0, 16 + 3},
        // The helmet takes it and flies, or stays; the next shot takes the head.
        {{385, 470}, 100, 11, 1, true, false, true, false, 100, 0, 0, 1, 4, 4},
        {{385, 470}, 0, 11, 1, true, false, true, true, 100, 0, 0, 0, 4, 4},
        {{385, 470}, 100, 11, 2, true, false, false, false, 89, 0, 1, 1, 4, 4 + 16 + 3},
        // In the body, armour first; only the living bleed, the burst body throws its own.
        {{385, 480}, 25, 11, 1, true, false, true, true, 89, 0, 0, 0, 0, 3},
        {{385, 480}, 25, 11, 1, true, true, true, true, 100, 95, 0, 0, 3, 3},
        {{385, 480}, 25, 150, 1, true, false, true, true, 0, 0, 1, 1, 0, 18},
    };
    for (const Case& c : cases) {
        TestArena arena;
        Build(arena);
        Player& victim = Place(arena, 400, c.armour);
        victim.SetHelmet(c.helmet);
        BulletSetup shot{.owner = 1, .position = c.from, .velocity = {20, 0}, .armourDamage = 5};
        shot.healthDamage = c.damage;
        shot.helmetChance = c.chance;
        for (int i = 0; i < c.shots; ++i) {
            arena.AddObject(std::make_unique<Bullet>(shot));
            arena.UpdateObjects();
        }
        const int row = static_cast<int>(&c - cases);
        EXPECT_TRUE(arena.ObjectsOf<Bullet>().empty()) << row;
        EXPECT_FLOAT_EQ(victim.InPlay() ? victim.Health() : 0, c.health) << row;
        EXPECT_FLOAT_EQ(victim.Armour(), c.armourLeft) << row;
        EXPECT_EQ(victim.HasHead(), c.head) << row;
        EXPECT_EQ(victim.HasHelmet(), c.helmetLeft) << row;
        EXPECT_EQ(victim.LastAttacker(), c.head ? -1 : 1) << row;
        EXPECT_EQ(arena.ObjectsOf<FlyingHead>().size(), c.heads) << row;
        EXPECT_EQ(arena.ObjectsOf<FlyingHelmet>().size(), c.helmets) << row;
        EXPECT_EQ(Sparks(arena), c.sparks) << row;
        EXPECT_EQ(arena.particles.size(), c.particles) << row;
    }
}

TEST(ProjectileTest, AGrenadeBouncesOffWallAndFloorComesToRestAndExplodesOnTime) {
    TestArena arena;
    Build(arena);
    Grenade wall(-1, -1, {1095, 400}, {5, 0});
    wall.Update(arena);
    EXPECT_FLOAT_EQ(wall.Velocity().x, -5.0f);

    Grenade grenade(-1, -1, {400, 495}, {2, 3});
    grenade.Update(arena);
    EXPECT_TRUE(grenade.Velocity().y < 0 && grenade.Velocity().x > 0 && grenade.Velocity().x < 2);
    while (!(grenade.Velocity() == Vec2{}) && !grenade.Finished())
        grenade.Update(arena);
    EXPECT_FALSE(grenade.Finished());
    EXPECT_FLOAT_EQ(grenade.Position().y, 498.0f);
    while (!grenade.Finished())
        grenade.Update(arena);
    EXPECT_FLOAT_EQ(grenade.Age(), 201.0f);
    EXPECT_EQ(arena.sounds, (std::vector<int>{1}));
    EXPECT_EQ(arena.shake, 5.0f);

    Grenade below(-1, -1, {400, 1010}, {});
    below.Update(arena);
    EXPECT_TRUE(below.Finished());
    EXPECT_EQ(arena.shake, 20.0f);
}

TEST(ProjectileTest, AGrenadeBlastFallsOffWithDistanceStopsAtPlatformsAndFragsOnlyEnemies) {
    struct Case {
        float x;  // of the victim; the grenade bursts at (1000, 488)
        bool armour;
        Team team;                 // of the victim; in a team game the thrower is red
        float health, armourLeft;  // health 0: burst
        unsigned bodyParticles;    // besides the blast's eight: blood, sparks, armour fragments
        int frags;                 // the thrower's
    };
    const Case cases[] = {
        {1000, false, Team::None, 0, 0, 18, 1},       // 150 to health: burst
        {1000, false, Team::Red, 0, 0, 18, 0},        // a team-mate scores nothing
        {1000, false, Team::Blue, 0, 0, 18, 1},       // an enemy does
        {1000, true, Team::None, 100, 0, 8 + 12, 0},  // 112.5 to armour, none to health: it breaks
        {900, false, Team::None, 50, 0, 8, 0},        // 50 to health
        {900, true, Team::None, 100, 62.5f, 8, 0},    // 37.5 to armour
        {851, false, Team::None, 99, 0, 8, 0},        // 1 to health
        {850, false, Team::None, 100, 0, 0, 0},       // out of reach
        {1145, false, Team::None, 100, 0, 0, 0},      // in reach, behind the wall
    };
    for (const Case& c : cases) {
        TestArena arena;
        Build(arena);
        arena.teamGame = c.team != Team::None;
        const Player& thrower = Place(arena, 100, false, arena.teamGame ? Team::Red : Team::None);
        Player& victim = Place(arena, c.x, c.armour, c.team);
        Grenade grenade(thrower.Number(), -1, {1000, 488}, {}, Grenade::kFuse);
        grenade.Update(arena);
        ASSERT_TRUE(grenade.Finished());
        EXPECT_NEAR(victim.InPlay() ? victim.Health() : 0, c.health, 1e-3f) << c.x;
        EXPECT_NEAR(victim.Armour(), c.armourLeft, 1e-3f) << c.x;
        EXPECT_EQ(arena.particles.size(), 5u + 3u + c.bodyParticles) << c.x;
        EXPECT_EQ(thrower.Frags(), c.frags) << c.x << " " << static_cast<int>(c.team);
    }
}

TEST(ProjectileTest, ARocketLeavesTheMapSilentlyOrExplodesOnWallsAndPlayers) {
    TestArena arena;
    Build(arena);
    Rocket leaving(-1, -1, {1990, 100}, {20, 0});
    leaving.Update(arena);
    EXPECT_TRUE(leaving.Finished());
    EXPECT_TRUE(arena.particles.empty());

    // 50 from where it strikes the wall: half the reach, half the damage.
    const Player& near = Place(arena, 1050);
    Rocket wall(-1, -1, {1080, 488}, {30, 0});
    wall.Update(arena);
    EXPECT_TRUE(wall.Finished());
    EXPECT_NEAR(near.Health(), 50.0f, 1e-3f);
    EXPECT_EQ(arena.particles.size(), 8u + 3u + 8u);

    // Struck on the spine, 8 above the body's centre: armour takes the hit, health the blast.
    const Player& victim = Place(arena, 600, true);
    Rocket rocket(-1, -1, {585, 480}, {30, 0});
    rocket.Update(arena);
    EXPECT_TRUE(rocket.Finished());
    EXPECT_FLOAT_EQ(victim.Armour(), 0.0f);
    EXPECT_NEAR(victim.Health(), 8.0f, 0.05f);
}

TEST(ProjectileTest, AFlameBurnsHealthThroughArmourAndGoesOutOnAWall) {
    // A client's copy smokes on whom it licks as the host's flame does, and hurts nobody.
    const struct {
        int owner;
        float burns, health;
        std::size_t smoke;
    } cases[] = {{1, 1.5f, 100 - 255 * 0.002f, 1}, {1, 0.0f, 100, 0}, {Flame::kCopy, 1.0f, 100, 1}};
    for (const auto& c : cases) {
        const float burns = c.burns;
        TestArena arena;
        Build(arena);
        const Player& victim = Place(arena, 400, true);
        Flame flame(c.owner, -1, {400, 488}, {}, burns);
        flame.Update(arena);
        EXPECT_FLOAT_EQ(victim.Health(), c.health) << burns;
        EXPECT_FLOAT_EQ(victim.Armour(), 100) << burns;
        EXPECT_EQ(arena.particles.size(), c.smoke) << burns;
        Flame wall(c.owner, -1, {1093, 400}, {3, 0}, burns);
        wall.Update(arena);
        EXPECT_TRUE(wall.Finished());
    }
}
