// The show-only objects against an arena double: particles, casings, limbs and heads.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

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
// A floor whose top is at y 500 across a world 2000 by 1000.
class EffectsTest : public testing::Test {
protected:
    EffectsTest() {
        SeedRandom(11);
        arena_.AddFloor();
    }
    // Updates until the object finishes, at most 3000 times; the updates it took.
    int RunOut(LiveObject& object) {
        int frames = 0;
        for (; !object.Finished() && frames < 3000; ++frames)
            object.Update(arena_);
        return frames;
    }
    TestArena arena_;
};
}  // namespace

TEST_F(EffectsTest, AParticleFadesLivesOutItsLifeAndIsStoppedByAPlatformOnlyIfItCollides) {
    // Each starts at y 480 falling 5 a step, without gravity, onto the floor's top at 500.
    struct Case {
        bool collides, finished;
        int frames;
        float fade, life, alpha, y;
    };
    const Case cases[] = {
        {false, false, 10, 0, 10, 255, 530},  // fade 0 keeps its alpha; it goes through the floor
        {false, true, 11, 0, 10, 255, 535},
        {false, false, 3, 100, 10, 0, 495},  // invisible early, still alive
        {false, true, 11, 100, 10, 0, 535},
        {false, true, 1, 0, std::numeric_limits<float>::quiet_NaN(), 255, 485},  // no-number life
        {true, false, 10, 0, 100, 255, 469},  // bounced back up off the floor at 499
    };
    for (const Case& c : cases) {
        Particle particle({.collides = c.collides,
                           .position = {400, 480},
                           .velocity = {0, 5},
                           .gravity = 0,
                           .life = c.life,
                           .fade = c.fade});
        for (int i = 0; i < c.frames; ++i)
            particle.Update(arena_);
        EXPECT_FLOAT_EQ(particle.Alpha(), c.alpha) << c.y;
        EXPECT_EQ(particle.Finished(), c.finished) << c.y;
        EXPECT_FLOAT_EQ(particle.Position().y, c.y);
    }
}

TEST_F(EffectsTest, ACasingEndsLyingStillAfterTurning500DegreesOrOffTheMap) {
    enum class End { Still, Turned, OffMap };
    struct Case {
        Vec2 at, velocity;
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

// How long they show is their look; that they end at all keeps a match's objects from piling up.
TEST_F(EffectsTest, FlashesAndHelmetsEndAndALimbComesToRestOrLeavesTheMap) {
    MuzzleFlash flash(-1, Vec2{100, 100});
    EXPECT_LT(RunOut(flash), 3000);
    FlyingHelmet helmet(-1, Vec2{400, 490}, Vec2{});
    EXPECT_LT(RunOut(helmet), 3000);
    FlyingLimb resting(Vec2{395, 470}, Vec2{405, 470}, Vec2{1.5f, -2});
    EXPECT_LT(RunOut(resting), 2000);
    EXPECT_TRUE(resting.Centre().y > 480.0f && resting.Centre().y <= 498.0f);
    FlyingLimb thrown(Vec2{395, 470}, Vec2{405, 470}, Vec2{-40, -2});
    EXPECT_EQ(RunOut(thrown), 11);  // at x 0 it still stands on the edge
}

TEST_F(EffectsTest, AHeadlessNeckCatchesAHeadOnlyOnceItHasFlownTwentySteps) {
    arena_.soundTable = {"Explode.wav", "Pop.wav"};
    for (const float x : {300.0f, 304.0f})
        arena_.AddStandingPlayer({x, 300}).LoseHead(-1, arena_);
    const Player &far = arena_.GetPlayer(0), &near = arena_.GetPlayer(1);
    // Both necks are in reach of it; the nearer catches it.
    FlyingHead head(ParticleSetup{.position = near.Lower().Point(0) + Vec2{-1, 0}, .gravity = 0});
    // Its age before the move must pass 20: the 22nd update is the first that may catch it.
    for (int i = 0; i < 21; ++i)
        head.Update(arena_);
    EXPECT_FALSE(near.HasHead() || head.Finished());
    head.Update(arena_);
    EXPECT_TRUE(near.HasHead() && head.Finished());
    EXPECT_FALSE(far.HasHead());
    EXPECT_EQ(arena_.sounds, (std::vector<int>{1}));
    EXPECT_TRUE(arena_.particles.empty());

    // Nobody there: at the end of its life it bursts into ten drops of blood.
    FlyingHead lost(ParticleSetup{.position = Vec2{1000, 100}, .gravity = 0.0f, .life = 30.0f});
    EXPECT_EQ(RunOut(lost), 31);
    EXPECT_EQ(arena_.particles.size(), 10u);
}
