// Bullets, grenades, rockets and flames against an arena double.
#include <gtest/gtest.h>

#include <cmath>
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

// A floor whose top is at y 500 and a wall from x 1100 to 1140 standing on it, in a world 2000
// by 1000; the sprites and sounds the projectiles use.
void Build(TestArena& arena) {
    SeedRandom(5);
    arena.Map().Contents().bounds = Float4{0, 0, 2000, 1000};
    arena.AddPlatform(0, 500, 2000, 540);
    arena.AddPlatform(1100, 300, 1140, 500);
    arena.sprites.spark = kSpark;
    arena.sprites.blood = {1, 2, 3};
    arena.soundTable = {"Pop.wav", "Explode.wav"};
}

// A player in play at `at`, standing still, with full armour when asked.
Player& Place(TestArena& arena, Vec2 at, bool armour) {
    Player& player = arena.AddPlayer();
    player.Spawn();
    player.SetPosition(at);
    player.SetMove(MoveDirection::None);
    if (armour) player.Give("armour", arena);
    return player;
}

// Every trace for players meets this one at `at`.
void AimAt(TestArena& arena, int player, Vec2 at, bool head) {
    ShotTrace hit;
    hit.point = at;
    hit.t = 0.5f;
    hit.player = player;
    hit.head = head;
    arena.shotHit = hit;
}

int CountOf(const TestArena& arena, int sprite) {
    int count = 0;
    for (const ParticleSetup& particle : arena.particles)
        count += particle.sprite == sprite ? 1 : 0;
    return count;
}
}  // namespace

TEST(ProjectileTest, ABulletSparksOffAWallAndTrailsATracerOnlyWhileItFlies) {
    TestArena arena;
    Build(arena);
    arena.AddObject(
        std::make_unique<Bullet>(BulletSetup{.position = {1085, 400}, .velocity = {20, 0}}));
    arena.UpdateObjects();
    EXPECT_TRUE(arena.objects.empty());
    EXPECT_EQ(CountOf(arena, kSpark), 3);
    EXPECT_EQ(arena.particles.size(), 3u);

    Bullet flying(BulletSetup{.position = {100, 400}, .velocity = {0, -20}, .life = 1.5f});
    flying.Update(arena);
    ASSERT_FALSE(flying.Finished());
    flying.Draw(arena.GetView());
    const auto lines = arena.renderer.CallsOf(RecordingRenderer::Kind::Line);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_FLOAT_EQ(lines[0].v[1], 395.0f);  // the tail, 15 behind the head
    EXPECT_FLOAT_EQ(lines[0].v[3], 380.0f);
    flying.Update(arena);
    EXPECT_TRUE(flying.Finished());  // its life ran out in the air
}

TEST(ProjectileTest, AHeadShotTakesTheHeadOrTheHelmet) {
    struct Case {
        float chance;
        int shots;
        bool helmet;
        bool head;
        bool helmetLeft;
        float health;
        std::size_t heads;
        std::size_t helmets;
        std::size_t particles;
    };
    const Case cases[] = {
        {25, 1, false, false, false, 89, 1, 0, 16 + 3},  // off it comes, and the body bleeds
        {100, 1, true, true, false, 100, 0, 1, 4},       // the helmet takes it and flies
        {0, 1, true, true, true, 100, 0, 0, 4},          // the helmet takes it and stays
        {100, 2, true, false, false, 89, 1, 1, 4 + 16 + 3},
    };
    for (const Case& c : cases) {
        TestArena arena;
        Build(arena);
        Player& victim = Place(arena, {400, 488}, false);
        victim.SetHelmet(c.helmet);
        AimAt(arena, 0, {396, 470}, true);
        for (int i = 0; i < c.shots; ++i) {
            arena.AddObject(std::make_unique<Bullet>(BulletSetup{.owner = 1,
                                                                 .position = {300, 470},
                                                                 .velocity = {20, 0},
                                                                 .helmetChance = c.chance}));
            arena.UpdateObjects();
        }
        EXPECT_EQ(victim.HasHead(), c.head) << c.chance;
        EXPECT_EQ(victim.HasHelmet(), c.helmetLeft) << c.chance;
        EXPECT_FLOAT_EQ(victim.Health(), c.health) << c.chance;
        EXPECT_EQ(victim.LastAttacker(), c.head ? -1 : 1);
        EXPECT_EQ(arena.ObjectsOf<FlyingHead>().size(), c.heads) << c.chance;
        EXPECT_EQ(arena.ObjectsOf<FlyingHelmet>().size(), c.helmets) << c.chance;
        EXPECT_EQ(arena.particles.size(), c.particles) << c.chance;
    }
}

TEST(ProjectileTest, ABodyShotHurtsArmourFirstAndBleedsOnlyTheLiving) {
    struct Case {
        bool armour;
        float healthDamage;
        bool inPlay;
        float health;
        float armourLeft;
        int sparks;
        std::size_t particles;
    };
    const Case cases[] = {
        {false, 11, true, 89, 0, 0, 3},
        {true, 11, true, 100, 95, 3, 3},
        {false, 150, false, -50, 0, 0, 18},  // the burst body's blood
    };
    for (const Case& c : cases) {
        TestArena arena;
        Build(arena);
        Player& victim = Place(arena, {400, 488}, c.armour);
        AimAt(arena, 0, {396, 490}, false);
        Bullet bullet(BulletSetup{.position = {300, 490},
                                  .velocity = {20, 0},
                                  .healthDamage = c.healthDamage,
                                  .armourDamage = 5});
        bullet.Update(arena);
        EXPECT_TRUE(bullet.Finished());
        EXPECT_EQ(victim.InPlay(), c.inPlay) << c.healthDamage;
        if (c.inPlay) {
            EXPECT_FLOAT_EQ(victim.Health(), c.health) << c.armour;
        }
        EXPECT_FLOAT_EQ(victim.Armour(), c.armourLeft) << c.armour;
        EXPECT_EQ(CountOf(arena, kSpark), c.sparks) << c.armour;
        EXPECT_EQ(arena.particles.size(), c.particles) << c.armour;
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
    EXPECT_FLOAT_EQ(grenade.Velocity().y, -0.65f * 3.07f);
    EXPECT_FLOAT_EQ(grenade.Velocity().x, 0.8f * 2.0f);
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

TEST(ProjectileTest, AGrenadeBlastFallsOffWithDistanceAndStopsAtPlatforms) {
    struct Case {
        float x;  // of the player; the grenade bursts at (1000, 400)
        bool armour;
        bool inPlay;
        float health;
        float armourLeft;
        std::size_t bodyParticles;  // besides the blast's eight: blood, sparks, armour fragments
    };
    const Case cases[] = {
        {1000, false, false, 0, 0, 18},      // 150 to health: burst
        {1000, true, true, 100, 0, 8 + 12},  // 112.5 to armour, none to health: it breaks
        {900, false, true, 50, 0, 8},        // 50 to health
        {900, true, true, 100, 62.5f, 8},    // 37.5 to armour
        {851, false, true, 99, 0, 8},        // 1 to health
        {850, false, true, 100, 0, 0},       // out of reach
        {1145, false, true, 100, 0, 0},      // in reach, behind the wall
    };
    for (const Case& c : cases) {
        TestArena arena;
        Build(arena);
        Player& victim = Place(arena, {c.x, 400.07f}, c.armour);
        Grenade grenade(-1, -1, {1000, 400}, {}, Grenade::kFuse);
        grenade.Update(arena);
        ASSERT_TRUE(grenade.Finished());
        EXPECT_EQ(victim.InPlay(), c.inPlay) << c.x;
        if (c.inPlay) {
            EXPECT_NEAR(victim.Health(), c.health, 1e-3f) << c.x;
        }
        EXPECT_NEAR(victim.Armour(), c.armourLeft, 1e-3f) << c.x;
        EXPECT_EQ(arena.particles.size(), 5u + 3u + c.bodyParticles) << c.x;
    }
}

TEST(ProjectileTest, ARocketLeavesTheMapSilentlyOrExplodesOnWallsAndPlayers) {
    TestArena arena;
    Build(arena);
    Rocket leaving(-1, -1, {1990, 100}, {20, 0});
    leaving.Update(arena);
    EXPECT_TRUE(leaving.Finished());
    EXPECT_TRUE(arena.particles.empty());

    Player& near = Place(arena, {1050, 400.07f}, false);
    Player& far = Place(arena, {980, 400.07f}, false);
    Rocket wall(-1, -1, {1080, 400}, {30, 0});
    wall.Update(arena);
    EXPECT_TRUE(wall.Finished());
    EXPECT_NEAR(near.Health(), 50.0f, 1e-3f);
    EXPECT_FLOAT_EQ(far.Health(), 100.0f);
    EXPECT_EQ(arena.particles.size(), 8u + 3u + 8u);
    EXPECT_TRUE(arena.sounds.empty());
    EXPECT_EQ(arena.shake, 0.0f);

    // Struck straight on, armour takes the hit and the body the blast after it.
    TestArena direct;
    Build(direct);
    Player& victim = Place(direct, {600, 488}, true);
    AimAt(direct, 0, {596, 480}, false);
    Rocket rocket(-1, -1, {500, 480}, {30, 0});
    rocket.Update(direct);
    EXPECT_FLOAT_EQ(victim.Armour(), 0.0f);
    EXPECT_NEAR(victim.Health(), std::hypot(4.0f, 8.0f), 1e-3f);
}

TEST(ProjectileTest, AFlameBurnsHealthThroughArmourAndGoesOutOnAWall) {
    for (const float burns : {1.5f, 0.0f}) {
        TestArena arena;
        Build(arena);
        Player& victim = Place(arena, {400, 400}, true);
        Flame flame(1, -1, {400, 400}, {}, burns);
        flame.Update(arena);
        EXPECT_FALSE(flame.Finished());
        EXPECT_FLOAT_EQ(victim.Health(), burns != 0 ? 100 - 255 * 0.002f : 100) << burns;
        EXPECT_FLOAT_EQ(victim.Armour(), 100) << burns;
        EXPECT_EQ(arena.particles.size(), burns != 0 ? 1u : 0u) << burns;
    }
    TestArena arena;
    Build(arena);
    Flame flame(1, -1, {1093, 400}, {3, 0}, 1.5f);
    flame.Update(arena);
    EXPECT_TRUE(flame.Finished());
}
