#include "player/Player.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>

#include "core/Random.h"
#include "input/KeyTable.h"
#include "support/GameRig.h"
#include "support/TestFolder.h"
#include "weapons/Weapon.h"
#include "world/Platform.h"

using Kind = RecordingRenderer::Kind;

namespace {
const std::filesystem::path kBase = BRAWLWICK_BASE_DIR;

// A floor from x 0 to 2000 with its top at y 500, a wall standing on it at x 1100 to 1140, and
// a ledge above, all inside a world 2000 by 1000.
constexpr Float4 kFloor{0, 500, 2000, 540};
constexpr Float4 kWall{1100, 300, 1140, 500};
constexpr Float4 kLedge{600, 380, 800, 400};

class PlayerTest : public testing::Test {
protected:
    PlayerTest() { SeedRandom(7); }

    // A one-player match on the small map; the human is put in play standing at `at`.
    Player& Start(Vec2 at = {1000.0f, 488.0f}) {
        game_ = rig_.MakeGame(1);
        MapContents& map = game_->Map().Contents();
        map.bounds = Float4{0, 0, 2000, 1000};
        for (const Float4& r : {kFloor, kWall, kLedge})
            map.platforms.emplace_back(r.x1, r.y1, r.x2, r.y2);
        map.spawnPoints.push_back(SpawnPoint{at.x, at.y, 0});
        game_->Start();
        Player& human = game_->GetPlayer(0);
        game_->Respawn(human);
        human.SetMove(MoveDirection::None);
        return human;
    }

    void Frames(int count) {
        for (int i = 0; i < count; ++i) {
            rig_.Tick();
            game_->Frame();
        }
    }
    void HoldAction(int action) { rig_.Hold(rig_.input->ActionKey(action)); }
    void ReleaseAction(int action) {
        rig_.keyboard->Release(rig_.input->ActionKey(action));
        rig_.Poll();
    }

    std::filesystem::path folder_ = FreshTestFolder("player");
    GameRig rig_{folder_, kBase};
    std::unique_ptr<Game> game_;
};

// A weapon that only says which one it is.
class NumberedWeapon final : public Weapon {
public:
    explicit NumberedWeapon(int id) : id_(id) {}
    int KindId() const override { return id_; }

private:
    int id_;
};
}  // namespace

TEST_F(PlayerTest, CrouchingHoldsStillAndLowersTheFigure) {
    Player& human = Start();
    Frames(100);
    const float standingTop = human.Lower().Bounds().y1;
    game_->OnCommand(Command::Crouch);
    EXPECT_TRUE(human.Crouched());
    EXPECT_EQ(human.LowerState().animation, kLowerCrouched);
    Frames(100);
    EXPECT_GT(human.Lower().Bounds().y1, standingTop + 3.0f);  // the neck came down

    // Crouched, the runner stays put and a jump does nothing.
    HoldAction(Action::kMoveRight);
    HoldAction(Action::kJump);
    Frames(20);
    EXPECT_EQ(human.MoveDirection(), MoveDirection::None);
    EXPECT_FLOAT_EQ(human.Position().x, 1000.0f);
    EXPECT_FLOAT_EQ(human.Position().y, 488.0f);
    ReleaseAction(Action::kJump);
    ReleaseAction(Action::kMoveRight);
    game_->OnCommand(Command::Crouch);
    EXPECT_EQ(human.LowerState().animation, kLowerStanding);

    // In the air there is no crouching.
    human.Jump();
    Frames(1);
    game_->OnCommand(Command::Crouch);
    EXPECT_FALSE(human.Crouched());
}

TEST_F(PlayerTest, FallingOffTheMapKillsWithOneOfTheFallLinesAndCreditsNobody) {
    Player& human = Start({1900.0f, 488.0f});
    game_->Map().Platforms()[0].SetRect(0, 500, 1500, 540);
    game_->BuildQuadTree(4);
    const std::array<std::string, 7> lines = {
        "*** Player fell through the ice***",    "*** Player fell to his death***",
        "*** Player dropped of the earth***",    "*** Player couldn't take it anymore***",
        "*** Player tried to fly like bird***",  "*** Player isnt any good at flying***",
        "*** Player fell off the tight rope***",
    };
    for (int i = 0; i < 2000 && human.InPlay(); ++i)
        Frames(1);
    ASSERT_FALSE(human.InPlay());
    EXPECT_EQ(human.LastKiller(), -1);
    EXPECT_EQ(human.Frags(), 0);
    const std::string& said = game_->Messages().Lines()[0];
    EXPECT_NE(std::find(lines.begin(), lines.end(), said), lines.end()) << said;

    // Out of play he waits 300 steps, then comes back at the spawn point.
    Frames(299);
    EXPECT_FALSE(human.InPlay());
    Frames(2);
    EXPECT_TRUE(human.InPlay());
}

TEST_F(PlayerTest, TheMouseTurnsPastSixPixelsAndAimsTwiceAsFastAsTheKeys) {
    Player& human = Start();
    human.SetFacing(Facing::Left);
    rig_.cursor.cursorX = 100;  // the first frame only centres the cursor
    rig_.cursor.cursorY = 100;
    Frames(1);
    EXPECT_EQ(human.Facing(), Facing::Left);
    EXPECT_EQ(human.Aim(), 0.0f);
    EXPECT_EQ(rig_.cursor.cursorX, 400);

    rig_.cursor.cursorX = 404;
    Frames(1);
    EXPECT_EQ(human.Facing(), Facing::Left);
    rig_.cursor.cursorX = 407;
    rig_.cursor.cursorY = 290;
    Frames(1);
    EXPECT_EQ(human.Facing(), Facing::Right);
    EXPECT_FLOAT_EQ(human.Aim(), 2.5f);

    HoldAction(Action::kAimDown);
    Frames(1);
    EXPECT_FLOAT_EQ(human.Aim(), 1.25f);
    Frames(100);
    EXPECT_FLOAT_EQ(human.Aim(), -60.0f);

    // The ends of the int range turn the player like any far position, with no overflow.
    rig_.cursor.cursorX = std::numeric_limits<int>::min();
    Frames(1);
    EXPECT_EQ(human.Facing(), Facing::Left);
    rig_.cursor.cursorX = std::numeric_limits<int>::max();
    Frames(1);
    EXPECT_EQ(human.Facing(), Facing::Right);
}

TEST_F(PlayerTest, ArmsAimedUpRiseOnTheSideThePlayerFaces) {
    Player& human = Start();
    human.SetFacing(Facing::Right);
    for (int i = 0; i < 48; ++i)
        human.AimUp(1.0f);
    EXPECT_EQ(human.Aim(), 60.0f);
    Frames(1);
    const Vec2 shoulder = human.Upper().Point(0);
    const Vec2 hand = human.Upper().Point(3);
    EXPECT_EQ(shoulder, human.Lower().Point(0));  // the arms hang at the neck
    EXPECT_GT(hand.x, shoulder.x);
    EXPECT_LT(hand.y, shoulder.y);
}

TEST_F(PlayerTest, WeaponCyclingWrapsAtBothEnds) {
    Player& human = Start();
    CarriedWeapons& weapons = human.Weapons();
    for (int id = 1; id <= 3; ++id)
        weapons.Add(std::make_unique<NumberedWeapon>(id));
    weapons.Select(0);
    game_->OnCommand(Command::PrevWeapon);
    EXPECT_EQ(human.CurrentWeapon()->KindId(), 3);
    game_->OnCommand(Command::NextWeapon);
    EXPECT_EQ(human.CurrentWeapon()->KindId(), 1);

    // The match copies one model player into every slot: the copy carries nothing.
    const Player copy = human;
    EXPECT_EQ(copy.Weapons().Count(), 0);
    EXPECT_EQ(copy.CurrentWeapon(), nullptr);
}

TEST_F(PlayerTest, BulletTimeSlowsTheWorldHalvesGravityAndSmokes) {
    Player& human = Start();
    Frames(5);
    game_->OnKeyDown(Key::kW);
    EXPECT_EQ(human.BulletTime(), 1000.0f);
    human.Jump();
    Frames(1);
    EXPECT_FLOAT_EQ(human.Velocity().y, -4.5f + Player::kGravity * 0.5f * rig_.timer.Step());
    rig_.renderer.Clear();
    Frames(40);
    EXPECT_GT(game_->LiveObjectCount(), 0u);  // puffs of smoke
    const auto widths = rig_.renderer.CallsOf(Kind::Line);
    EXPECT_FALSE(widths.empty());

    // It runs out on the match's own clock, and the world speeds up again.
    for (int i = 0; i < 20000 && human.BulletTime() > 0.0f; ++i)
        Frames(1);
    EXPECT_EQ(human.BulletTime(), 0.0f);
    Frames(400);
    EXPECT_FLOAT_EQ(rig_.timer.TimeScale(), 1.0f);

    // Death ends it, and out of play it cannot start.
    game_->OnKeyDown(Key::kW);
    human.Die(-1, *game_);
    EXPECT_EQ(human.BulletTime(), 0.0f);
    game_->OnKeyDown(Key::kW);
    EXPECT_EQ(human.BulletTime(), 0.0f);
}

TEST_F(PlayerTest, TheFigureIsDrawnWithHeadHelmetAndATagInTheTeamColour) {
    Player& human = Start();
    rig_.renderer.Clear();
    Frames(1);
    // The players are drawn after the map's fills.
    const auto& calls = rig_.renderer.Calls();
    const auto lastFill = std::find_if(
        calls.rbegin(), calls.rend(), [](const auto& call) { return call.kind == Kind::FillRect; });
    std::vector<RecordingRenderer::Call> lines;
    std::copy_if(lastFill.base(), calls.end(), std::back_inserter(lines),
                 [](const auto& call) { return call.kind == Kind::Line; });
    ASSERT_EQ(lines.size(), 9u);  // five lower segments, four upper
    for (const auto& line : lines)
        EXPECT_EQ(line.colour, (Colour{0, 0, 0, 255}));
    // Head and helmet sit on the neck, on whole units (the sparkles of the respawn draw too).
    const Vec2 neck = human.Lower().Point(0);
    const auto quads = rig_.renderer.CallsOf(Kind::TexturedQuad);
    const auto at = [&](float x, float y) {
        const float sx = static_cast<float>(static_cast<int>(x) - game_->GetView().OffsetX());
        const float sy = static_cast<float>(static_cast<int>(y) - game_->GetView().OffsetY());
        return std::any_of(quads.begin(), quads.end(),
                           [&](const auto& q) { return q.v[0] == sx && q.v[1] == sy; });
    };
    EXPECT_TRUE(at(neck.x - 4, neck.y - 8));
    EXPECT_TRUE(at(neck.x - 5, neck.y - 10));
    const auto texts = rig_.renderer.Texts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Player"), texts.end());

    game_->OnKeyDown(Key::kTab);  // hides the tags
    rig_.renderer.Clear();
    Frames(1);
    const auto hidden = rig_.renderer.Texts();
    EXPECT_EQ(std::find(hidden.begin(), hidden.end(), "Player"), hidden.end());
    // The legs hang from the body centre as the standing animation places them.
    EXPECT_NEAR(human.Lower().Point(0).y - human.Position().y,
                game_->LowerAnimations().Get(0).frames[0].Point(0).y, 1.0f);
}
