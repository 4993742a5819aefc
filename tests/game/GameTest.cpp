#include "game/Game.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <sstream>
#include <tuple>
#include <utility>

#include "game/GameType.h"
#include "input/KeyTable.h"
#include "support/GameRig.h"
#include "support/ScriptedGamepad.h"
#include "support/TestFolder.h"
#include "weapons/Weapon.h"

using Kind = RecordingRenderer::Kind;

namespace {
const std::filesystem::path kBase = BRAWLWICK_BASE_DIR;
const std::filesystem::path kFoundry = kBase / "Maps" / "bwdm1.bwm";

class GameTest : public testing::Test {
protected:
    void Frames(Game& game, int count) {
        for (int i = 0; i < count; ++i) {
            rig_.Tick();
            game.Frame();
        }
    }

    // The human in play on the floor match, standing still.
    Player& Human(Game& game) {
        Player& human = game.GetPlayer(0);
        game.Respawn(human);
        human.SetMove(MoveDirection::None);
        return human;
    }

    std::filesystem::path folder_ = FreshTestFolder("game");
    GameRig rig_{folder_, kBase};
};

// Draws a line each frame and finishes after `lifetime` updates; may leave a child behind.
struct Probe final : LiveObject {
    Probe(int life, int& count, bool child = false)
        : lifetime(life), updates(count), spawnChild(child) {}
    void Draw(const View& view) const override {
        view.GetRenderer().DrawLine(0, 0, 1, 1, Colour{}, Colour{});
    }
    void Update(Arena& arena) override {
        ++updates;
        if (std::exchange(spawnChild, false)) arena.AddObject(std::make_unique<Probe>(1, updates));
        if (--lifetime <= 0) SetFinished();
    }
    int lifetime;
    int& updates;
    bool spawnChild;
};

// An editor that writes down what reached it and closes when told to.
struct ProbeEditor final : Editor {
    explicit ProbeEditor(std::string& log) : calls(log) {}
    bool Frame(Game&) override {
        calls += "frame ";
        return done;
    }
    void OnCommand(Command command) override {
        calls += "command " + std::to_string(static_cast<int>(command)) + " ";
    }
    void OnKeyDown(int key) override { calls += "down " + std::to_string(key) + " "; }
    void OnLeftButtonDown() override { calls += "click "; }
    std::string& calls;
    bool done = false;
};

// A weapon that writes down which fire operation reached it.
struct SpyWeapon final : Weapon {
    explicit SpyWeapon(std::string& log) : calls(log) {}
    void PressPrimary(Player&, Arena&) override { calls += "P"; }
    void HoldPrimary(Player&, Arena&) override { calls += "h"; }
    void PressSecondary(Player&, Arena&) override { calls += "S"; }
    void HoldSecondary(Player&, Arena&) override { calls += "s"; }
    std::string& calls;
};
}  // namespace

TEST_F(GameTest, StartingPutsEveryPlayerOutOfPlayOnAlternateTeamsAndEndsOldSlowMotion) {
    rig_.timer.SetTimeScaleTarget(0.25f);
    rig_.clock.AdvanceFrames(3);
    rig_.timer.Tick();
    ASSERT_GT(rig_.timer.AverageSpeed(), 1.0f);
    auto team = rig_.StartGame(kFoundry, 6, GameType::Team);
    EXPECT_EQ(rig_.timer.AverageSpeed(), 1.0f);  // loading is not part of the match's speed
    rig_.Tick();
    EXPECT_EQ(rig_.timer.TimeScale(), 1.0f);  // at once: the last match's slow motion is over
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(team->GetPlayer(i).Team(), i % 2 == 0 ? Team::Blue : Team::Red);
        EXPECT_FALSE(team->GetPlayer(i).InPlay());
    }
    EXPECT_EQ(rig_.StartGame(kFoundry, 3)->GetPlayer(2).Team(), Team::None);
}

TEST_F(GameTest, ARefusedMapSaysWhyOnTheConsoleAndInTheLog) {
    auto game = rig_.MakeGame();
    std::istringstream cut("short");
    EXPECT_FALSE(game->LoadMap(cut, "cut.bwm"));
    const std::string why = rig_.console->History().back();
    EXPECT_NE(why.find("Couldn't load map \"cut.bwm\""), std::string::npos);
    game.reset();
    EXPECT_NE(rig_.LogText().find(why), std::string::npos);
}

TEST_F(GameTest, AFrameDrawsTheMapTitleAndConsoleThenTakesTheScreenshotsAskedThenPresents) {
    auto game = rig_.StartGame(kFoundry);
    rig_.console->Toggle();
    rig_.console->Print("console line");
    game->OnCommand(Command::Screenshot);
    game->OnCommand(Command::Screenshot);
    rig_.renderer.Clear();
    Frames(*game, 1);
    const auto& calls = rig_.renderer.Calls();
    ASSERT_GE(calls.size(), 3u);
    EXPECT_EQ(calls.front().kind, Kind::BeginFrame);
    // Taken of the finished frame.
    EXPECT_EQ(std::tuple(calls.end()[-3].kind, calls.end()[-2].kind, calls.end()[-1].kind),
              std::tuple(Kind::Screenshot, Kind::Screenshot, Kind::Present));
    // Everything before the title is the map: its sprites and its white boxes.
    const auto title = std::find_if(calls.begin(), calls.end(),
                                    [](const auto& call) { return call.kind == Kind::Text; });
    EXPECT_GT(std::count_if(calls.begin(), title,
                            [](const auto& call) { return call.kind == Kind::FillRect; }),
              5);
    const auto texts = rig_.renderer.Texts();
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.front(), "Foundry");
    EXPECT_NE(std::find(texts.begin(), texts.end(), "console line"), texts.end());
    Frames(*game, 1);
    EXPECT_EQ(rig_.renderer.CallsOf(Kind::Screenshot).size(), 2u);  // each asked for once

    for (int unknown : {0, 9, 13, 17, 99, -1})  // numbers past the command table do nothing
        game->OnCommand(static_cast<Command>(unknown));
    EXPECT_FALSE(game->IsFinished());
}

TEST_F(GameTest, TheCameraSettlesAheadOfTheHumanWithRightControlAndThenRests) {
    auto game = rig_.FloorGame();
    rig_.Hold(Key::kRightControl);
    Player& human = Human(*game);
    human.SetFacing(Facing::Left);
    Frames(*game, 600);
    ASSERT_NE(human.Ground(), nullptr);  // landed and standing still, nothing held
    const Vec2 rest = game->GetCamera().Position();
    EXPECT_LE(Length(rest - (human.Position() - Vec2{200.0f, 0.0f})), 5.0f);
    Frames(*game, 1);
    EXPECT_EQ(game->GetCamera().Position(), rest);  // close enough, it rests
    EXPECT_EQ(game->GetView().OffsetX(), static_cast<int>(rest.x - 400.0f));
}

TEST_F(GameTest, LiveObjectsRunInOrderWithNewcomersInTheSamePassAndFinishedOnesGoAtOnce) {
    auto game = rig_.MakeGame();  // no map, so every line is a probe's
    int shortLived = 0, parent = 0;
    game->AddObject(std::make_unique<Probe>(1, shortLived));
    game->AddObject(std::make_unique<Probe>(2, parent, true));
    game->AddObject(nullptr);  // nothing to own, nothing kept
    EXPECT_EQ(game->LiveObjectCount(), 2u);

    rig_.renderer.Clear();
    game->Frame();
    // The parent's own update and its child's, appended during the pass; the finished are not
    // drawn.
    EXPECT_EQ(std::tuple(shortLived, parent, game->LiveObjectCount()), std::tuple(1, 2, 1u));
    EXPECT_EQ(rig_.renderer.CallsOf(Kind::Line).size(), 1u);

    // A headless update moves everything and draws nothing.
    rig_.renderer.Clear();
    game->Update();
    EXPECT_EQ(std::tuple(shortLived, parent, game->LiveObjectCount()), std::tuple(1, 3, 0u));
    EXPECT_TRUE(rig_.renderer.Calls().empty());
}

TEST_F(GameTest, TheEndFadeCountsFramesNotStepsDarkensAndThenTheMatchIsOver) {
    auto game = rig_.MakeGame();
    game->EndMatch();
    rig_.clock.AdvanceFrames(3);  // a slow frame: the fade still counts one
    rig_.timer.Tick();
    game->Frame();
    game->EndMatch();  // a later frag that reaches the limit again changes nothing
    rig_.renderer.Clear();
    game->Frame();
    EXPECT_EQ(rig_.renderer.CallsOf(Kind::FillRect).size(), 1u);
    for (int i = 0; i < 258; ++i)
        game->Frame();
    EXPECT_FALSE(game->IsOver());
    game->Frame();
    EXPECT_TRUE(game->IsOver());
}

TEST_F(GameTest, EditorsOpenOnlyForDevelopersTakeOverTheFrameAndInputAndCloseThemselves) {
    std::string mapCalls, animCalls;
    ProbeEditor* mapEditor = nullptr;
    GameServices services = rig_.Services();
    services.openMapEditor = [&](Game&) {
        auto editor = std::make_unique<ProbeEditor>(mapCalls);
        mapEditor = editor.get();
        return editor;
    };
    services.openAnimEditor = [&](Game&) { return std::make_unique<ProbeEditor>(animCalls); };
    Game game(services, 6, 32, GameType::FreeForAll);
    std::ifstream map(kFoundry, std::ios::binary);
    game.LoadMap(map, "bwdm1.bwm");
    game.Start();

    game.OnCommand(Command::MapEditor);
    EXPECT_FALSE(game.MapEditorOpen());
    rig_.developer = true;
    game.OnCommand(Command::MapEditor);
    ASSERT_TRUE(game.MapEditorOpen());
    game.OnCommand(Command::Screenshot);  // the editor's now, not a screenshot
    game.OnKeyDown(Key::kTab);
    // A click is the editor's alone, not a shot of the human standing in play.
    std::string shots;
    Player& human = game.GetPlayer(0);
    game.Respawn(human);
    human.Update(game);
    human.Weapons().Add(std::make_unique<SpyWeapon>(shots));
    human.Weapons().Select(human.Weapons().Count() - 1);
    game.OnLeftButtonDown();
    EXPECT_EQ(shots, "");
    // The editor's frame replaces the match's: no map, no screenshot.
    rig_.renderer.Clear();
    game.Frame();
    EXPECT_EQ(mapCalls, "command 3 down 63 click frame ");
    EXPECT_TRUE(rig_.renderer.CallsOf(Kind::FillRect).empty());
    EXPECT_TRUE(rig_.renderer.CallsOf(Kind::Screenshot).empty());
    mapEditor->done = true;
    game.Frame();
    EXPECT_FALSE(game.MapEditorOpen());

    // The animation editor takes the commands, but keys still reach the match.
    game.OnCommand(Command::AnimEditor);
    game.OnCommand(Command::Leave);
    game.OnKeyDown(Key::kTab);
    EXPECT_EQ(animCalls, "command 1 ");
    EXPECT_FALSE(game.IsFinished());
    EXPECT_TRUE(game.HideHud());
}

TEST_F(GameTest, ThePlayersComeBackAtSpawnPointsOfTheirTeamAfter300Steps) {
    auto game = rig_.FloorGame(2, GameType::Team);
    std::vector<SpawnPoint>& points = game->Map().Contents().spawnPoints;
    points = {{100, 488, 1}, {900, 488, 2}};
    Player& human = game->GetPlayer(0);  // blue
    Frames(*game, 299);
    EXPECT_FALSE(human.InPlay());
    Frames(*game, 1);
    ASSERT_TRUE(human.InPlay());
    EXPECT_EQ(human.Position(), (Vec2{900, 488}));
    // A team without a point of its own uses any; a map without points leaves him waiting.
    points = {{400, 488, 1}};
    game->Respawn(human);
    EXPECT_EQ(human.Position().x, 400.0f);
    points.clear();
    human.Die(-1, *game);
    game->Respawn(human);
    EXPECT_FALSE(human.InPlay());
}

TEST_F(GameTest, FireReachesTheHumansWeaponOnlyWhileHisPlacedFigureIsInPlayAndChangingItWraps) {
    std::istringstream binds("FirePrimary=LeftShift\nFireSecondary=Z\n");
    rig_.input->ReadBinds(binds);
    auto game = rig_.FloorGame();
    Player& human = game->GetPlayer(0);
    std::string calls;
    const auto fire = [&](const std::vector<int>& keys) {
        calls.clear();
        for (int key : keys)
            rig_.Hold(key);
        game->OnCommand(Command::FirePrimary);
        game->OnCommand(Command::FireSecondary);
        game->OnLeftButtonDown();
        game->Update();
        for (int key : keys)
            rig_.Hold(key, false);
        return calls;
    };
    human.Spawn();
    human.Weapons().Clear();
    for (int i = 0; i < 3; ++i)
        human.Weapons().Add(std::make_unique<SpyWeapon>(calls));
    human.Weapons().Select(0);
    // A new life fires only once the frame's update has placed its figure: then what is held.
    EXPECT_EQ(fire({Key::kLeftShift}), "h");
    // The presses, the click's one held shot, then a frame of what is held: primary first.
    EXPECT_EQ(fire({}), "PSh");
    EXPECT_EQ(fire({Key::kLeftShift}), "PShh");
    EXPECT_EQ(fire({Key::kZ}), "PShs");
    EXPECT_EQ(fire({Key::kLeftShift, Key::kZ}), "PShh");
    // A left button bound to an action holds that action instead of one frame of fire.
    std::istringstream mouse("Jump=MouseLeft\n");
    rig_.input->ReadBinds(mouse);
    EXPECT_EQ(fire({}), "PS");

    game->OnCommand(Command::PrevWeapon);
    EXPECT_EQ(human.Weapons().CurrentIndex(), 2);  // before the first, the last
    game->OnCommand(Command::NextWeapon);
    EXPECT_EQ(human.Weapons().CurrentIndex(), 0);  // after the last, the first
    human.Die(-1, *game);
    EXPECT_EQ(fire({Key::kLeftShift}), "");  // out of play
}

TEST_F(GameTest, WithoutAWeaponFileEveryoneIsBareHandedAndTheLogSaysSoOnce) {
    GameRig rig(FreshTestFolder("game-no-weapons"));
    auto game = rig.MakeGame(2);
    game->Start();
    Player& human = game->GetPlayer(0);
    human.Spawn();
    human.ResetEquipment(*game);
    EXPECT_EQ(human.CurrentWeapon(), nullptr);
    game->OnCommand(Command::FirePrimary);
    game->OnCommand(Command::FireSecondary);
    game->OnLeftButtonDown();
    human.Give("all", *game);
    game->Update();
    EXPECT_EQ(game->LiveObjectCount(), 0u);
    const std::string log = rig.LogText();
    EXPECT_EQ(CountOf(log, "Unable to load weapon file"), 1u);
    EXPECT_EQ(CountOf(log, "The weapon file gave no starting weapon \"Platinum\""), 1u);
}

TEST_F(GameTest, TheMouseTurnsPastSixPixelsAndAimsTwiceAsFastAsTheKeysWithArmsRisingAhead) {
    auto game = rig_.FloorGame();
    Player& human = Human(*game);
    human.SetFacing(Facing::Left);
    Frames(*game, 1);  // the first frame only centres the cursor
    rig_.cursor.cursorX = 404;
    Frames(*game, 1);
    EXPECT_EQ(human.Facing(), Facing::Left);
    rig_.cursor.cursorX = 407;
    rig_.cursor.cursorY = 290;
    Frames(*game, 1);
    EXPECT_EQ(human.Facing(), Facing::Right);
    EXPECT_FLOAT_EQ(human.Aim(), 2.5f);
    rig_.Hold(rig_.input->ActionKey(Action::kAimDown));
    Frames(*game, 1);
    EXPECT_FLOAT_EQ(human.Aim(), 1.25f);
    // The pad's right stick turns him too.
    auto pad = std::make_unique<ScriptedGamepad>();
    pad->Press(Button::kRightStickLeft);
    rig_.input->AttachGamepad(std::move(pad));
    rig_.Hold(rig_.input->ActionKey(Action::kAimDown), false);
    Frames(*game, 1);
    EXPECT_EQ(human.Facing(), Facing::Left);
    rig_.input->AttachGamepad(nullptr);

    // The ends of the int range turn the player like any far position, with no overflow.
    rig_.cursor.cursorX = std::numeric_limits<int>::min();
    Frames(*game, 1);
    EXPECT_EQ(human.Facing(), Facing::Left);
    rig_.cursor.cursorX = std::numeric_limits<int>::max();
    Frames(*game, 1);
    EXPECT_EQ(human.Facing(), Facing::Right);

    // Arms aimed up rise on the side he faces.
    for (int i = 0; i < 48; ++i)
        human.AimUp(1.0f);
    Frames(*game, 1);
    const Vec2 shoulder = human.Upper().Point(0), hand = human.Upper().Point(3);
    EXPECT_TRUE(hand.x > shoulder.x && hand.y < shoulder.y);
}
