// The show-only objects against an arena double: particles, casings, limbs, helmets and heads.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

#include "core/Random.h"
#include "player/Player.h"
#include "support/TestArena.h"
#include "weapons/effects/FlyingHead.h"
#include "weapons/effects/FlyingHelmet.h"
#include "weapons/effects/FlyingLimb.h"
#include "weapons/effects/MuzzleFlash.h"
#include "weapons/effects/Particle.h"
#include "weapons/effects/ShellCasing.h"
#include "world/RectRelations.h"

namespace {
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

// A floor whose top is at y 500 across a world 2000 by 1000.
class EffectsTest : public testing::Test {
protected:
    EffectsTest() {
        SeedRandom(11);
        arena_.Map().Contents().bounds = Float4{0, 0, 2000, 1000};
        arena_.AddPlatform(0, 500, 2000, 540);
    }

    // Updates until the object finishes, at most `limit` times; the updates it took.
    int RunOut(LiveObject& object, int limit) {
        int frames = 0;
        while (!object.Finished() && frames < limit) {
            object.Update(arena_);
            ++frames;
        }
        return frames;
    }

    // A headless player in play, his figure placed at `at`.
    Player& Headless(Vec2 at) {
        Player& player = arena_.AddPlayer();
        player.Spawn();
        player.SetPosition(at);
        player.SetMove(MoveDirection::None);
        player.Update(arena_);
        player.LoseHead(-1, arena_);
        return player;
    }

    TestArena arena_;
};
}  // namespace

TEST_F(EffectsTest, AParticleFadesToNothingButLivesUntilItsAgePassesItsLife) {
    struct Case {
        float fade;
        float life;
        int frames;
        float alpha;
        bool finished;
    };
    const Case cases[] = {
        {0.0f, 10.0f, 10, 255.0f, false},  // fade 0 keeps its alpha to the end
        {0.0f, 10.0f, 11, 255.0f, true},
        {100.0f, 10.0f, 3, 0.0f, false},  // invisible early, still alive
        {100.0f, 10.0f, 11, 0.0f, true},
        {0.0f, kNaN, 1, 255.0f, true},  // a life that is no number ends at once
    };
    for (const Case& c : cases) {
        Particle particle(
            ParticleSetup{.collides = false, .gravity = 0.0f, .life = c.life, .fade = c.fade});
        for (int i = 0; i < c.frames; ++i)
            particle.Update(arena_);
        EXPECT_FLOAT_EQ(particle.Alpha(), c.alpha) << c.fade << " " << c.frames;
        EXPECT_EQ(particle.Finished(), c.finished) << c.fade << " " << c.frames;
    }
}

TEST_F(EffectsTest, OnlyACollidingParticleIsStoppedByAPlatform) {
    for (const bool collides : {false, true}) {
        Particle particle(ParticleSetup{.collides = collides,
                                        .position = Vec2{400, 480},
                                        .velocity = Vec2{0, 5},
                                        .gravity = 0.0f,
                                        .box = Vec2{2, 2}});
        for (int i = 0; i < 10; ++i)
            particle.Update(arena_);
        if (collides) {
            EXPECT_LE(particle.Position().y, 498.0f);
            EXPECT_LT(particle.Velocity().y, 0.0f);  // bounced back up
        } else {
            EXPECT_FLOAT_EQ(particle.Position().y, 530.0f);
        }
    }
}

TEST_F(EffectsTest, ACasingEndsLyingStillAfterTurning500DegreesOrOffTheMap) {
    enum class End { Still, Turned, OffMap };
    struct Case {
        Vec2 at;
        Vec2 velocity;
        Float4 bounds;
        End end;
    };
    const Case cases[] = {
        {{400, 480}, {1, 0}, {0, 0, 2000, 1000}, End::Still},
        {{-3000, 0}, {0, 0}, {-4000, 0, -2000, 1e7f}, End::Turned},  // falls freely for long
        {{400, 480}, {-30, -5}, {0, 0, 2000, 1000}, End::OffMap},
    };
    for (const Case& c : cases) {
        arena_.Map().Contents().bounds = c.bounds;
        ShellCasing casing(ShellCasing::Kind::Rifle, -1, c.at, c.velocity);
        float spin = std::fabs(casing.Spin());
        for (int i = 0; i < 3000 && !casing.Finished(); ++i) {
            casing.Update(arena_);
            ASSERT_LE(std::fabs(casing.Spin()), spin);  // bounces only ever take spin away
            spin = std::fabs(casing.Spin());
        }
        ASSERT_TRUE(casing.Finished());
        EXPECT_EQ(spin < ShellCasing::kLeastSpin, c.end == End::Still);
        EXPECT_EQ(casing.Rotation() > ShellCasing::kMostTurn, c.end == End::Turned);
        EXPECT_EQ(!RectContains(c.bounds, casing.Position().x, casing.Position().y),
                  c.end == End::OffMap);
    }
}

TEST_F(EffectsTest, AFlashLastsFiveStepsAndALimbComesToRestOrLeavesTheMap) {
    MuzzleFlash flash(-1, Vec2{100, 100});
    EXPECT_EQ(RunOut(flash, 100), 6);

    FlyingLimb resting(Vec2{395, 470}, Vec2{405, 470}, Vec2{1.5f, -2});
    EXPECT_LT(RunOut(resting, 2000), 2000);
    EXPECT_GT(resting.Centre().y, 480.0f);
    EXPECT_LE(resting.Centre().y, 498.0f);
    FlyingLimb thrown(Vec2{395, 470}, Vec2{405, 470}, Vec2{-40, -2});
    EXPECT_EQ(RunOut(thrown, 2000), 11);  // at x 0 it still stands on the edge

    // Drawn as a smoothed black line the length of the bone.
    FlyingLimb drawn(Vec2{100, 100}, Vec2{110, 100}, Vec2{});
    drawn.Draw(arena_.GetView());
    const auto lines = arena_.renderer.CallsOf(RecordingRenderer::Kind::Line);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NEAR(std::hypot(lines[0].v[2] - lines[0].v[0], lines[0].v[3] - lines[0].v[1]), 10.0f,
                1e-3f);
    EXPECT_EQ(lines[0].colour, (Colour{0, 0, 0, 255}));
    EXPECT_FALSE(arena_.renderer.LineSmooth());
}

TEST_F(EffectsTest, AHelmetFadesOutBetweenItsAges150And400) {
    FlyingHelmet helmet(-1, Vec2{400, 490}, Vec2{});
    struct Case {
        int age;
        float alpha;
    };
    const Case cases[] = {{100, 255.0f}, {150, 255.0f}, {200, 205.0f}, {400, 5.0f}};
    int age = 0;
    for (const Case& c : cases) {
        for (; age < c.age; ++age)
            helmet.Update(arena_);
        EXPECT_FLOAT_EQ(helmet.Alpha(), c.alpha) << c.age;
        EXPECT_FALSE(helmet.Finished());
    }
    helmet.Update(arena_);
    EXPECT_TRUE(helmet.Finished());
    EXPECT_NEAR(helmet.Position().y, 496.0f, 0.5f);  // lying on the floor
}

TEST_F(EffectsTest, AHeadlessNeckCatchesAHeadOnlyOnceItHasFlownTwentySteps) {
    arena_.soundTable = {"Explode.wav", "Pop.wav"};
    Player& far = Headless(Vec2{300, 300});
    Player& near = Headless(Vec2{304, 300});
    const Vec2 neck = near.Lower().Point(0) + Vec2{-1, 0};
    ASSERT_LT(Length(neck - near.Lower().Point(0)), Length(neck - far.Lower().Point(0)));
    FlyingHead head(
        ParticleSetup{.position = neck, .gravity = 0.0f, .box = Vec2{8, 8}, .life = 300.0f});
    // Its age before the move must pass 20: the 22nd update is the first that may catch it.
    for (int i = 0; i < 21; ++i)
        head.Update(arena_);
    EXPECT_FALSE(near.HasHead());
    EXPECT_FALSE(head.Finished());
    head.Update(arena_);
    EXPECT_TRUE(near.HasHead());
    EXPECT_FALSE(far.HasHead());
    EXPECT_TRUE(head.Finished());
    EXPECT_EQ(arena_.sounds, (std::vector<int>{1}));
    EXPECT_TRUE(arena_.particles.empty());

    // Nobody there: at the end of its life it bursts into ten drops of blood.
    FlyingHead lost(ParticleSetup{.position = Vec2{1000, 100}, .gravity = 0.0f, .life = 30.0f});
    EXPECT_EQ(RunOut(lost, 100), 31);
    EXPECT_EQ(arena_.particles.size(), 10u);
}
