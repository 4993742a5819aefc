#include "app/App.h"

#include <gtest/gtest.h>

#include "app/Preferences.h"
#include "console/Console.h"
#include "render/Image.h"
#include "render/Sprite.h"
#include "support/FileText.h"
#include "support/ManualClock.h"
#include "support/RecordingRenderer.h"
#include "support/ScriptedWindow.h"
#include "support/TgaBytes.h"

using Kind = RecordingRenderer::Kind;

namespace {

// An App over a fresh folder, drawing into a recording renderer.
class AppTest : public testing::Test {
protected:
    void SetUp() override {
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        root_ = std::filesystem::path(testing::TempDir()) / "app" / info->name();
        std::filesystem::remove_all(root_);
        std::filesystem::create_directories(root_ / "Base");
    }

    std::unique_ptr<App> MakeApp() {
        auto app = std::make_unique<App>(root_, root_ / "Log.txt", clock_, 1u);
        const auto factory = [this](int width, int height, int depth, Log& log) {
            auto renderer = std::make_unique<RecordingRenderer>(width, height, depth, &log);
            renderer_ = renderer.get();
            return std::unique_ptr<Renderer>(std::move(renderer));
        };
        EXPECT_TRUE(app->Initialise(2, 32, factory));
        return app;
    }

    std::filesystem::path root_;
    ManualClock clock_;
    RecordingRenderer* renderer_ = nullptr;
};
}  // namespace

TEST_F(AppTest, KeepsThePlayerNameAcrossRunsAndWritesItAtExit) {
    {
        auto app = MakeApp();
        EXPECT_EQ(app->PlayerName(), "Player");  // no preferences file yet
        app->SetPlayerName("Rookie");
    }
    EXPECT_EQ(ReadAll(root_ / "Base" / "Prefs.dat"), "Rookie\n");
    {
        auto app = MakeApp();
        EXPECT_EQ(app->PlayerName(), "Rookie");
    }
    // Without a Base folder the name cannot be written: the exit says so in the log.
    std::filesystem::remove_all(root_ / "Base");
    { auto app = MakeApp(); }
    EXPECT_NE(ReadAll(root_ / "Log.txt").find("Couldn't save the player name"), std::string::npos);
}

TEST_F(AppTest, MenuFrameClearsToWhiteAndDrawsTheConsoleBetweenBeginAndPresent) {
    auto app = MakeApp();
    ASSERT_NE(renderer_, nullptr);
    EXPECT_EQ(renderer_->Width(), 800);
    EXPECT_EQ(renderer_->ClearColour(), (Colour{255, 255, 255, 0}));

    renderer_->Clear();
    app->Frame();
    ASSERT_EQ(renderer_->Calls().size(), 2u);  // the console is closed at start
    EXPECT_EQ(renderer_->Calls().front().kind, Kind::BeginFrame);
    EXPECT_EQ(renderer_->Calls().back().kind, Kind::Present);

    app->GetConsole()->Toggle();
    renderer_->Clear();
    app->Frame();
    const auto& calls = renderer_->Calls();
    EXPECT_EQ(calls.front().kind, Kind::BeginFrame);
    EXPECT_EQ(calls.back().kind, Kind::Present);
    const auto texts = renderer_->Texts();
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.front(), " *** Brawlwick Console System *** ");
}

TEST_F(AppTest, MissingMapLeavesTheMenuAndSaysWhereItLooked) {
    auto app = MakeApp();
    app->StartMap("bwdm1.bwm", 6, 32, "ffa");
    const auto& history = app->GetConsole()->History();
    const std::string expected =
        "Unable to open map \"" + (root_ / "Base" / "Maps" / "bwdm1.bwm").string() + "\"...";
    EXPECT_EQ(history.back(), expected);
}

TEST_F(AppTest, StepFollowsTheTimerAndTimeScale) {
    auto app = MakeApp();
    clock_.AdvanceFrames(2);
    app->Frame();
    EXPECT_FLOAT_EQ(app->GetStep(), 2.0f);
    app->SetTimeScaleTarget(0.25f);
    clock_.AdvanceFrames(1);
    app->Frame();
    EXPECT_FLOAT_EQ(app->GetTimeScale(), 1.0f - 0.013f);
    EXPECT_FLOAT_EQ(app->GetStep(), 1.0f - 0.013f);
}

TEST_F(AppTest, LoopEndsOnQuitRequestOrFrameLimitWithEventsBetweenFrames) {
    auto app = MakeApp();
    ScriptedWindow window;
    window.At(3, [](WindowEvents& events) { events.OnQuitRequest(); });
    renderer_->Clear();
    app->Run(window, std::nullopt);
    EXPECT_EQ(renderer_->CallsOf(Kind::Present).size(), 3u);  // no frame after the request
    EXPECT_TRUE(app->QuitRequested());

    auto limited = MakeApp();
    ScriptedWindow quiet;
    renderer_->Clear();
    limited->Run(quiet, 5);
    EXPECT_EQ(renderer_->CallsOf(Kind::Present).size(), 5u);
    EXPECT_EQ(quiet.Pumps(), 5);
}

TEST_F(AppTest, NoDrawingContextFailsInitialisationButStillSavesTheName) {
    {
        App app(root_, root_ / "Log.txt", clock_, 1u);
        const auto none = [](int, int, int, Log&) { return std::unique_ptr<Renderer>(); };
        EXPECT_FALSE(app.Initialise(2, 32, none));
        EXPECT_EQ(app.GetConsole(), nullptr);
    }
    EXPECT_EQ(ReadPlayerName(root_ / "Base" / "Prefs.dat"), "Player");
}

TEST_F(AppTest, LoadsBothFoldersAndTablesGraphicsFirstAndDrawsTheMenuSpriteStretched) {
    std::filesystem::create_directories(root_ / "Base" / "MapObjects");
    WriteBytes(root_ / "Base" / "title.tga", SolidTga(8, 4, {0, 0, 0}));
    WriteBytes(root_ / "Base" / "MapObjects" / "objects.tga", SolidTga(4, 4, {0, 0, 0, 0}));
    std::ofstream(root_ / "Base" / "BWgfx.gtb") << "[title.tga]\nmenu 0,0,8,4\n";
    std::ofstream(root_ / "Base" / "BWents.etb") << "[objects.tga]\nmenu 0,0,4,4\ngrass1 0,0,4,2\n";
    auto app = MakeApp();

    EXPECT_EQ(app->FindSpriteIndex("menu"), 0);
    EXPECT_EQ(app->FindSpriteIndex("grass1"), 2);
    ASSERT_NE(app->GetSprite(2), nullptr);
    EXPECT_EQ(app->GetSprite(2)->image->Name(), "objects.tga");
    EXPECT_EQ(app->GetSprite(-1), nullptr);

    renderer_->Clear();
    app->Frame();
    const auto quads = renderer_->CallsOf(Kind::TexturedQuad);
    ASSERT_EQ(quads.size(), 1u);
    EXPECT_EQ(quads[0].v[2], 800.0f);
    EXPECT_EQ(quads[0].v[3], 600.0f);
    EXPECT_EQ(quads[0].alpha, 255);
    const auto binds = renderer_->CallsOf(Kind::BindImage);
    ASSERT_FALSE(binds.empty());
    EXPECT_EQ(binds[0].image, app->GetSprite(0)->image);
}
