#include "game/Game.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "game/GameType.h"
#include "input/KeyTable.h"
#include "render/Font.h"
#include "support/GameRig.h"
#include "support/TestFolder.h"

using Kind = RecordingRenderer::Kind;
using Sound = AudioRecord::Kind;
using SoundEvent = AudioRecord::Event;

namespace {
const std::filesystem::path kBase = BRAWLWICK_BASE_DIR;
const std::filesystem::path kFoundry = kBase / "Maps" / "bwdm1.bwm";

class GameTest : public testing::Test {
protected:
    std::filesystem::path folder_ = FreshTestFolder("game");
    GameRig rig_{folder_, kBase};
};

std::size_t IndexOfText(const RecordingRenderer& renderer, const std::string& text) {
    const auto& calls = renderer.Calls();
    const auto found = std::find_if(calls.begin(), calls.end(), [&](const auto& call) {
        return call.kind == Kind::Text && call.text == text;
    });
    return static_cast<std::size_t>(found - calls.begin());
}

// Draws a line each frame and finishes after `lifetime` updates; may leave a child behind.
class Probe final : public LiveObject {
public:
    Probe(int lifetime, int& updates, bool spawnChild = false)
        : lifetime_(lifetime), updates_(updates), spawnChild_(spawnChild) {}
    void Draw(const View& view) const override {
        view.GetRenderer().DrawLine(0, 0, 1, 1, Colour{}, Colour{});
    }
    void Update(Arena& arena) override {
        ++updates_;
        if (spawnChild_) {
            spawnChild_ = false;
            arena.AddObject(std::make_unique<Probe>(1, updates_));
        }
        if (--lifetime_ <= 0) SetFinished();
    }

private:
    int lifetime_;
    int& updates_;
    bool spawnChild_;
};

// An editor that writes down what reached it and closes when told to.
class ProbeEditor final : public Editor {
public:
    explicit ProbeEditor(std::vector<std::string>& calls) : calls_(calls) {}
    bool Frame(Game&) override {
        calls_.push_back("frame");
        return done;
    }
    void OnCommand(Command command) override {
        calls_.push_back("command " + std::to_string(static_cast<int>(command)));
    }
    void OnKeyDown(int key) override { calls_.push_back("down " + std::to_string(key)); }
    void OnLeftButtonDown() override { calls_.push_back("left"); }
    bool done = false;

private:
    std::vector<std::string>& calls_;
};
}  // namespace

TEST_F(GameTest, ConstructionPlaysTheMusicAtNormalSpeedAndDestructionEndsItAndLogsTheSpeed) {
    rig_.timer.SetTimeScaleTarget(0.25f);
    rig_.Tick();
    ASSERT_LT(rig_.timer.TimeScale(), 1.0f);
    {
        auto game = rig_.MakeGame();
        // At once and for good: slow motion left over from the last match does not carry on.
        rig_.Tick();
        EXPECT_EQ(rig_.timer.TimeScale(), 1.0f);
        EXPECT_EQ(game->GetTitle().Text(), "Untitled");
        EXPECT_EQ(game->GetTitle().Timer(), 400.0f);
        EXPECT_EQ(game->HugeFont()->Height(), 64);
        EXPECT_EQ(game->LargeFont()->Height(), 24);
        EXPECT_TRUE(game->BotChat());
        EXPECT_EQ(rig_.audio.events,
                  (std::vector<SoundEvent>{{Sound::Started, GameRig::kGameMusic, 0, 22050, true}}));
        rig_.audio.events.clear();
    }
    EXPECT_EQ(rig_.audio.events,
              (std::vector<SoundEvent>{{Sound::Stopped, GameRig::kGameMusic, 0, 0, false},
                                       {Sound::Started, GameRig::kEndMusic, 0, 22050, false}}));
    EXPECT_NE(rig_.LogText().find("Average SF for game: 1.0"), std::string::npos);
}

TEST_F(GameTest, StartingMakesEveryPlayerOutOfPlayOnTheirTeamsAndRestartsTheSpeedAverage) {
    rig_.clock.AdvanceFrames(3);
    rig_.timer.Tick();
    ASSERT_GT(rig_.timer.AverageSpeed(), 1.0f);
    auto team = rig_.StartGame(kFoundry, 6, GameType::Team);
    EXPECT_EQ(rig_.timer.AverageSpeed(), 1.0f);  // loading is not part of the match's speed
    ASSERT_EQ(team->PlayerCount(), 6);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(team->GetPlayer(i).Number(), i);
        EXPECT_EQ(team->GetPlayer(i).Team(),
                  i % 2 == 0 ? Team::Blue : Team::Red);  // the human is blue
        EXPECT_FALSE(team->GetPlayer(i).InPlay());
    }
    EXPECT_TRUE(team->TeamGame());
    EXPECT_EQ(team->GetTitle().Text(), "Foundry");
    EXPECT_NE(team->Tree(), nullptr);
    const auto& history = rig_.console->History();
    EXPECT_NE(std::find(history.begin(), history.end(), "** Loading Quad Tree **"), history.end());

    auto ffa = rig_.StartGame(kFoundry, 3);
    EXPECT_FALSE(ffa->TeamGame());
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(ffa->GetPlayer(i).Team(), Team::None);
}

TEST_F(GameTest, AFrameDrawsTheMapThenTheTitleThenTheConsoleBetweenBeginAndPresent) {
    auto game = rig_.StartGame(kFoundry);
    rig_.console->Toggle();
    rig_.console->Print("console line");
    rig_.renderer.Clear();
    rig_.Tick();
    game->Frame();
    const auto& calls = rig_.renderer.Calls();
    ASSERT_GE(calls.size(), 3u);
    EXPECT_EQ(calls.front().kind, Kind::BeginFrame);
    EXPECT_EQ(calls.back().kind, Kind::Present);
    const std::size_t title = IndexOfText(rig_.renderer, "Foundry");
    const std::size_t console = IndexOfText(rig_.renderer, "console line");
    ASSERT_LT(title, calls.size());
    ASSERT_LT(console, calls.size());
    EXPECT_LT(title, console);
    // Everything before the title is the map: its sprites and its white boxes.
    const auto map = std::count_if(calls.begin() + 1, calls.begin() + static_cast<long>(title),
                                   [](const auto& call) { return call.kind == Kind::FillRect; });
    EXPECT_GT(map, 5);
    EXPECT_EQ(std::count_if(calls.begin(), calls.end(),
                            [](const auto& call) { return call.kind == Kind::BeginFrame; }),
              1);
}

TEST_F(GameTest, TheCameraSettlesAheadOfTheHumanWithRightControlAndThenRests) {
    auto game = rig_.StartGame(kFoundry);
    Player& human = game->GetPlayer(0);
    // Out of play the look-ahead key does nothing: the camera heads for the body itself.
    rig_.Hold(Key::kRightControl);
    rig_.Tick();
    game->Frame();
    EXPECT_EQ(game->GetView().OffsetX(), 0);  // this frame's scroll is last frame's camera
    EXPECT_EQ(game->GetCamera().Target().x, 400.0f);

    game->Respawn(human);
    human.SetFacing(Facing::Left);
    for (int i = 0; i < 600; ++i) {
        rig_.Tick();
        game->Frame();
    }
    ASSERT_NE(human.Ground(), nullptr);  // landed and standing still, nothing held
    const Vec2 body = human.Position();
    const Vec2 ahead = body - Vec2{200.0f, 0.0f};
    const Vec2 rest = game->GetCamera().Position();
    EXPECT_LE(Length(rest - ahead), 5.0f);
    EXPECT_GT(Length(rest - ahead), 4.0f);  // it stops as soon as it is close
    rig_.Tick();
    game->Frame();
    EXPECT_EQ(game->GetCamera().Position(), rest);
    EXPECT_EQ(game->GetView().OffsetX(), static_cast<int>(rest.x - 400.0f));

    human.SetFacing(Facing::Right);
    for (int i = 0; i < 400; ++i) {
        rig_.Tick();
        game->Frame();
    }
    EXPECT_LE(Length(game->GetCamera().Position() - (body + Vec2{200.0f, 0.0f})), 5.0f);
}

TEST_F(GameTest, AShakeOnlyEverGrowsAndDiesAwayWithTheStep) {
    auto game = rig_.StartGame(kFoundry);
    ASSERT_EQ(game->GetPlayer(0).Position(), (Vec2{400.0f, 300.0f}));  // the camera is there
    game->Shake(10.0f);
    game->Shake(4.0f);
    EXPECT_EQ(game->GetCamera().ShakeAmount(), 10.0f);
    rig_.clock.AdvanceFrames(2);
    rig_.timer.Tick();
    game->Frame();
    EXPECT_FLOAT_EQ(game->GetCamera().ShakeAmount(), 9.6f);
    const Vec2 moved = game->GetCamera().Position() - Vec2{400.0f, 300.0f};
    EXPECT_LE(std::abs(moved.x), 10.0f);
    EXPECT_LE(std::abs(moved.y), 10.0f);
    EXPECT_GT(Length(moved), 0.0f);
}

TEST_F(GameTest, LiveObjectsRunInOrderWithNewcomersInTheSamePassAndFinishedOnesGoAtOnce) {
    auto game = rig_.MakeGame();  // no map, so every line is a probe's
    int shortLived = 0;
    int parent = 0;
    game->AddObject(std::make_unique<Probe>(1, shortLived));
    game->AddObject(std::make_unique<Probe>(2, parent, true));
    game->AddObject(nullptr);  // nothing to own, nothing kept
    EXPECT_EQ(game->LiveObjectCount(), 2u);

    rig_.renderer.Clear();
    game->Frame();
    EXPECT_EQ(shortLived, 1);
    EXPECT_EQ(parent, 2);  // its own update and its child's, appended during the pass
    EXPECT_EQ(game->LiveObjectCount(), 1u);
    EXPECT_EQ(rig_.renderer.CallsOf(Kind::Line).size(), 1u);  // the finished are not drawn

    // A headless update moves everything and draws nothing.
    rig_.renderer.Clear();
    game->Update();
    EXPECT_EQ(shortLived, 1);  // never updated again
    EXPECT_EQ(parent, 3);
    EXPECT_EQ(game->LiveObjectCount(), 0u);
    EXPECT_TRUE(rig_.renderer.Calls().empty());
}

TEST_F(GameTest, CommandsEndTheMatchTakeScreenshotsAndToggleSlowMotion) {
    auto game = rig_.MakeGame();
    game->OnCommand(Command::Screenshot);
    game->OnCommand(Command::Screenshot);
    EXPECT_TRUE(rig_.renderer.Calls().empty());
    // Shots are of the finished frame, just before it is shown.
    game->Frame();
    const auto& calls = rig_.renderer.Calls();
    ASSERT_GE(calls.size(), 3u);
    const auto shot = calls.end() - 3;
    EXPECT_EQ(shot[0].kind, Kind::Screenshot);
    EXPECT_EQ(shot[0].text, (folder_ / "Screenshots" / "Screen0.tga").string());
    EXPECT_EQ(shot[1].text, (folder_ / "Screenshots" / "Screen1.tga").string());
    EXPECT_EQ(shot[2].kind, Kind::Present);
    game->Frame();
    EXPECT_EQ(rig_.renderer.CallsOf(Kind::Screenshot).size(), 2u);

    // Pressed twice in quick succession: the scale is still easing, so it turns back.
    game->OnCommand(Command::SlowMotion);
    rig_.Tick();
    EXPECT_FLOAT_EQ(rig_.timer.TimeScale(), 0.987f);
    game->OnCommand(Command::SlowMotion);
    rig_.Tick();
    EXPECT_EQ(rig_.timer.TimeScale(), 1.0f);
    game->OnCommand(Command::SlowMotion);
    for (int i = 0; i < 100; ++i)
        rig_.Tick();
    EXPECT_EQ(rig_.timer.TimeScale(), 0.25f);

    game->OnKeyDown(Key::kTab);
    EXPECT_TRUE(game->HideHud());
    game->OnKeyDown(Key::kTab);
    EXPECT_FALSE(game->HideHud());

    for (int unknown : {0, 9, 13, 17, 99, -1})
        game->OnCommand(static_cast<Command>(unknown));
    EXPECT_FALSE(game->IsFinished());
    game->OnCommand(Command::Leave);
    EXPECT_TRUE(game->IsFinished());
}

TEST_F(GameTest, TheEndFadeCountsFramesNotStepsDarkensAndThenTheMatchIsOver) {
    auto game = rig_.MakeGame();
    game->EndMatch();
    rig_.clock.AdvanceFrames(3);  // a slow frame: the fade still counts one
    rig_.timer.Tick();
    game->Frame();
    game->EndMatch();  // a later frag that reaches the limit again changes nothing
    EXPECT_EQ(game->Fade(), 259.0f);
    for (int i = 0; i < 5; ++i)
        game->Frame();
    EXPECT_EQ(game->Fade(), 254.0f);
    rig_.renderer.Clear();
    game->Frame();
    const auto fills = rig_.renderer.CallsOf(Kind::FillRect);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].colour, (Colour{0, 0, 0, 2}));
    EXPECT_EQ(fills[0].v[2], 800.0f);
    for (int i = 0; i < 253; ++i)
        game->Frame();
    EXPECT_FALSE(game->IsOver());
    game->Frame();
    EXPECT_TRUE(game->IsOver());
    EXPECT_EQ(game->Fade(), 0.0f);
}

TEST_F(GameTest, AnUnsupportedTypeSaysSoAndFinishesWithoutDrawing) {
    auto game = rig_.MakeGame(6, 32, GameType::CaptureTheFlag);
    rig_.renderer.Clear();
    game->Frame();
    EXPECT_TRUE(game->IsFinished());
    EXPECT_TRUE(rig_.renderer.Calls().empty());
    EXPECT_EQ(rig_.console->History().back(), "Game type not supported.");
}

TEST_F(GameTest, EditorsOpenOnlyForDevelopersTakeOverTheFrameAndInputAndCloseThemselves) {
    std::vector<std::string> mapCalls;
    std::vector<std::string> animCalls;
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
    game.OnCommand(Command::AnimEditor);
    EXPECT_FALSE(game.MapEditorOpen() || game.AnimEditorOpen());

    rig_.developer = true;
    game.OnCommand(Command::MapEditor);
    ASSERT_TRUE(game.MapEditorOpen());
    game.OnCommand(Command::Screenshot);  // the editor's now, not a screenshot
    game.OnKeyDown(Key::kTab);
    game.OnLeftButtonDown();
    EXPECT_EQ(mapCalls, (std::vector<std::string>{"command 3", "down 63", "left"}));
    EXPECT_FALSE(game.HideHud());
    EXPECT_TRUE(rig_.renderer.CallsOf(Kind::Screenshot).empty());

    // The editor's frame replaces the match: no map, no title; the cursor sprite on top.
    rig_.cursor.cursorX = 123;
    rig_.cursor.cursorY = 45;
    rig_.renderer.Clear();
    game.Frame();
    EXPECT_EQ(mapCalls.back(), "frame");
    EXPECT_TRUE(rig_.renderer.CallsOf(Kind::FillRect).empty());
    const auto quads = rig_.renderer.CallsOf(Kind::TexturedQuad);
    ASSERT_EQ(quads.size(), 1u);
    EXPECT_EQ(quads[0].v[0], 123.0f);
    EXPECT_EQ(quads[0].v[1], 45.0f);
    EXPECT_EQ(quads[0].alpha, 240);

    mapEditor->done = true;
    game.Frame();
    EXPECT_FALSE(game.MapEditorOpen());
    rig_.renderer.Clear();
    game.Frame();
    EXPECT_FALSE(rig_.renderer.CallsOf(Kind::FillRect).empty());  // the match is back

    // The animation editor takes commands and clicks, but keys still reach the match.
    game.OnCommand(Command::AnimEditor);
    game.OnCommand(Command::AnimEditor);
    game.OnCommand(Command::Leave);
    game.OnLeftButtonDown();
    game.OnKeyDown(Key::kTab);
    EXPECT_EQ(animCalls, (std::vector<std::string>{"command 21", "command 1", "left"}));
    EXPECT_FALSE(game.IsFinished());
    EXPECT_TRUE(game.HideHud());
}

TEST_F(GameTest, ThePlayersComeBackAtSpawnPointsOfTheirTeamAfter300Steps) {
    auto game = rig_.MakeGame(2, 32, GameType::Team);
    MapContents& map = game->Map().Contents();
    map.bounds = Float4{0, 0, 2000, 1000};
    map.platforms.emplace_back(0, 500, 2000, 540);
    map.spawnPoints = {{100, 488, 1}, {900, 488, 2}, {1700, 488, 1}};
    game->Start();
    Player& human = game->GetPlayer(0);  // blue
    for (int i = 0; i < 299; ++i) {
        rig_.Tick();
        game->Frame();
    }
    EXPECT_FALSE(human.InPlay());
    rig_.Tick();
    game->Frame();
    ASSERT_TRUE(human.InPlay());
    EXPECT_EQ(human.Position(), (Vec2{900, 488}));
    EXPECT_EQ(human.Health(), 100.0f);
    EXPECT_EQ(game->LiveObjectCount(), 2u);  // the two sparkles of his arrival

    Player& red = game->GetPlayer(1);
    for (int i = 0; i < 20; ++i) {
        game->Respawn(red);
        EXPECT_TRUE(red.Position().x == 100.0f || red.Position().x == 1700.0f);
    }
    // A team without a point of its own uses any; a map without points leaves him waiting.
    map.spawnPoints = {{400, 488, 1}};
    game->Respawn(human);
    EXPECT_EQ(human.Position().x, 400.0f);
    map.spawnPoints.clear();
    human.Die(-1, *game);
    game->Respawn(human);
    EXPECT_FALSE(human.InPlay());
}
