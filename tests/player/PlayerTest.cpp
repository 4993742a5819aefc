#include "player/Player.h"

#include <gtest/gtest.h>

#include <limits>

#include "core/Random.h"
#include "input/KeyTable.h"
#include "support/GameRig.h"
#include "support/TestFolder.h"
#include "weapons/Weapon.h"

namespace {
const std::filesystem::path kBase = BRAWLWICK_BASE_DIR;

// The fighters as the match drives them: its commands, keys and mouse.
class PlayerTest : public testing::Test {
protected:
    // A one-player match on a floor from x 0 to 2000 with its top at y 500; the human is in
    // play, standing at x 1000.
    PlayerTest() {
        SeedRandom(7);
        MapContents& map = game_->Map().Contents();
        map.bounds = Float4{0, 0, 2000, 1000};
        map.platforms.emplace_back(0, 500, 2000, 540);
        map.spawnPoints.push_back(SpawnPoint{1000.0f, 488.0f, 0});
        game_->Start();
        game_->Respawn(game_->GetPlayer(0));
        game_->GetPlayer(0).SetMove(MoveDirection::None);
    }
    void Frames(int count) {
        for (int i = 0; i < count; ++i) {
            rig_.Tick();
            game_->Frame();
        }
    }
    void HoldAction(int action) { rig_.Hold(rig_.input->ActionKey(action)); }

    std::filesystem::path folder_ = FreshTestFolder("player");
    GameRig rig_{folder_, kBase};
    std::unique_ptr<Game> game_ = rig_.MakeGame(1);
};

// A weapon that only says which one it is.
struct NumberedWeapon final : Weapon {
    explicit NumberedWeapon(int number) : id(number) {}
    int KindId() const override { return id; }
    int id;
};
}  // namespace

TEST_F(PlayerTest, TheMouseTurnsPastSixPixelsAndAimsTwiceAsFastAsTheKeys) {
    Player& human = game_->GetPlayer(0);
    human.SetFacing(Facing::Left);
    Frames(1);  // the first frame only centres the cursor
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

    // The ends of the int range turn the player like any far position, with no overflow.
    rig_.cursor.cursorX = std::numeric_limits<int>::min();
    Frames(1);
    EXPECT_EQ(human.Facing(), Facing::Left);
    rig_.cursor.cursorX = std::numeric_limits<int>::max();
    Frames(1);
    EXPECT_EQ(human.Facing(), Facing::Right);
}

TEST_F(PlayerTest, ArmsAimedUpRiseOnTheSideThePlayerFaces) {
    Player& human = game_->GetPlayer(0);
    human.SetFacing(Facing::Right);
    for (int i = 0; i < 48; ++i)
        human.AimUp(1.0f);
    Frames(1);
    const Vec2 shoulder = human.Upper().Point(0);
    const Vec2 hand = human.Upper().Point(3);
    EXPECT_GT(hand.x, shoulder.x);
    EXPECT_LT(hand.y, shoulder.y);
}

TEST_F(PlayerTest, WeaponCyclingWrapsAtBothEnds) {
    Player& human = game_->GetPlayer(0);
    human.Weapons().Clear();  // whatever the weapon file gave at the respawn
    for (int id = 1; id <= 3; ++id)
        human.Weapons().Add(std::make_unique<NumberedWeapon>(id));
    human.Weapons().Select(0);
    game_->OnCommand(Command::PrevWeapon);
    EXPECT_EQ(human.CurrentWeapon()->KindId(), 3);
    game_->OnCommand(Command::NextWeapon);
    EXPECT_EQ(human.CurrentWeapon()->KindId(), 1);
}

// The figure's lines and head are seen in the fighters' own test and the end-to-end one.
TEST_F(PlayerTest, TheNameTagIsDrawnUntilTabHidesIt) {
    const auto tagDrawn = [this] {
        rig_.renderer.Clear();
        Frames(1);
        const auto texts = rig_.renderer.Texts();
        return std::find(texts.begin(), texts.end(), "Player") != texts.end();
    };
    EXPECT_TRUE(tagDrawn());
    game_->OnKeyDown(Key::kTab);
    EXPECT_FALSE(tagDrawn());
}
