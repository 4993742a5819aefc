// A fighter moving against an arena double: no match, no input, only the player's own calls.
#include <gtest/gtest.h>

#include <tuple>

#include "core/Random.h"
#include "player/Player.h"
#include "support/TestArena.h"

namespace {
// A floor from x 0 to 2000 with its top at y 500 and a wall standing on it at x 1100 to 1140,
// inside a world 2000 by 1000.
class PlayerMovementTest : public testing::Test {
protected:
    PlayerMovementTest() {
        SeedRandom(7);
        arena_.AddFloor();
        arena_.AddPlatform(1100, 300, 1140, 500);
    }

    Player& Start(Vec2 at) { return arena_.AddStandingPlayer(at); }
    void Frames(Player& player, int count) {
        for (int i = 0; i < count && player.InPlay(); ++i)
            player.Update(arena_);
    }

    TestArena arena_;
};
}  // namespace

// Meeting a ceiling is the body collision's test.
TEST_F(PlayerMovementTest, LandsOnATopStaysThereAndJumpsOffIt) {
    Player& human = Start({1000.0f, 300.0f});
    Frames(human, 200);
    // Gravity pulls every frame and the floor takes it back every frame.
    for (int i = 0; i < 2; ++i) {
        Frames(human, 1);
        // The box's bottom on the floor's top.
        EXPECT_EQ(std::pair(human.Position().y, human.Velocity().y), std::pair(488.0f, 0.0f));
        EXPECT_EQ(human.Ground(), &arena_.Map().Platforms()[0]);
    }
    human.Jump();
    Frames(human, 1);
    EXPECT_TRUE(human.Position().y < 488.0f && human.Ground() == nullptr);
    Frames(human, 200);
    EXPECT_FLOAT_EQ(human.Position().y, 488.0f);
}

TEST_F(PlayerMovementTest, AWallStopsTheRunnerFromEitherSideAndTellsTheBot) {
    for (const auto& [startX, run, stopX] : {std::tuple(1000.0f, MoveDirection::Right, 1092.0f),
                                             std::tuple(1300.0f, MoveDirection::Left, 1148.0f)}) {
        Player& human = Start({startX, 488.0f});
        human.SetMove(run);
        Frames(human, 200);
        EXPECT_EQ(human.Position(), (Vec2{stopX, 488.0f}));  // still on the floor
        EXPECT_EQ(human.Velocity().x, 0.0f);
        EXPECT_TRUE(human.Mind().hitWall);
        // A jump against the wall comes back down beside it, not on its top.
        human.SetMove(MoveDirection::None);
        human.Jump();
        Frames(human, 200);
        EXPECT_EQ(human.Position(), (Vec2{stopX, 488.0f}));
    }
}

TEST_F(PlayerMovementTest, ThrustLiftsUpToItsCapBeforeGravityIsAdded) {
    Player& human = Start({1000.0f, 488.0f});
    Frames(human, 5);
    for (int i = 0; i < 40; ++i) {
        human.Thrust();
        Frames(human, 1);
        EXPECT_FALSE(human.ThrustRequested());  // asked again every frame
    }
    EXPECT_FLOAT_EQ(human.Velocity().y, -3.5f + Player::kGravity);
    EXPECT_EQ(human.Ground(), nullptr);
}

TEST_F(PlayerMovementTest, CrouchingHoldsStillAndNeedsTheGround) {
    Player& human = Start({1000.0f, 488.0f});
    Frames(human, 1);
    human.ToggleCrouch();
    human.SetMove(MoveDirection::Right);
    human.Jump();
    Frames(human, 20);
    EXPECT_EQ(human.Position(), (Vec2{1000.0f, 488.0f}));

    human.ToggleCrouch();
    human.Jump();
    Frames(human, 1);
    human.ToggleCrouch();  // in the air there is no crouching
    EXPECT_FALSE(human.Crouched());
}

TEST_F(PlayerMovementTest, FallingOffTheMapIsSaidAndCreditsNobody) {
    Player& human = Start({1000.0f, 600.0f});  // under the floor
    Frames(human, 2000);
    EXPECT_EQ(std::pair(human.InPlay(), human.LastKiller()), std::pair(false, -1));
    ASSERT_EQ(arena_.messages.size(), 1u);
    EXPECT_TRUE(arena_.messages[0].starts_with("*** P0 ")) << arena_.messages[0];
}

TEST_F(PlayerMovementTest, InBulletTimeTheCigaretteSmokesAndDrawingChangesNothing) {
    Player& human = Start({1000.0f, 488.0f});
    human.StartBulletTime(1000.0f, arena_);
    EXPECT_EQ(arena_.timeScaleTarget, 0.25f);
    Frames(human, 40);
    ASSERT_FALSE(arena_.particles.empty());

    // Drawing neither spawns, moves nor draws random numbers, however often it runs.
    const std::size_t puffs = arena_.particles.size();
    const Vec2 at = human.Position();
    SeedRandom(3);
    const int next = RandomInt();
    SeedRandom(3);
    for (int i = 0; i < 100; ++i)
        human.Draw(arena_.GetView(), arena_);
    EXPECT_EQ(std::tuple(RandomInt(), arena_.particles.size(), human.Position()),
              std::tuple(next, puffs, at));
    EXPECT_FALSE(arena_.renderer.CallsOf(RecordingRenderer::Kind::Line).empty());

    // It runs out on the match's steps, landing exactly on zero, and a death ends it at once.
    for (int i = 0; i < 2000 && human.BulletTime() > 0.0f; ++i)
        Frames(human, 1);
    EXPECT_EQ(std::pair(human.BulletTime(), arena_.timeScaleTarget), std::pair(0.0f, 1.0f));
    human.StartBulletTime(1000.0f, arena_);
    human.Die(-1, arena_);
    EXPECT_EQ(std::pair(human.BulletTime(), arena_.timeScaleTarget), std::pair(0.0f, 1.0f));
}
