#include "app/App.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "app/Preferences.h"
#include "console/Console.h"
#include "game/Game.h"
#include "input/InputSystem.h"
#include "input/KeyTable.h"
#include "input/ScriptedKeyboard.h"
#include "support/FileText.h"
#include "support/ManualClock.h"
#include "support/RecordingAudioDevice.h"
#include "support/RecordingRenderer.h"
#include "support/ScriptedGamepad.h"
#include "support/TestFolder.h"
#include "support/TgaBytes.h"
#include "support/WaveBytes.h"
#include "world/MapFile.h"

using Kind = RecordingRenderer::Kind;
using Sound = AudioRecord::Kind;
using SoundEvent = AudioRecord::Event;

namespace {

// An App over a fresh folder, drawing into a recording renderer.
class AppTest : public testing::Test {
protected:
    void SetUp() override {
        root_ = FreshTestFolder("app");
        std::filesystem::create_directories(root_ / "Base");
    }

    std::unique_ptr<App> MakeApp(
        const std::optional<std::filesystem::path>& player = std::nullopt) {
        auto app =
            std::make_unique<App>(GameFolders(root_ / "Base", player.value_or(root_)), clock_, 1u);
        const auto factory = [this](int width, int height, int depth, Log& log) {
            auto renderer = std::make_unique<RecordingRenderer>(width, height, depth, &log);
            renderer_ = renderer.get();
            return std::unique_ptr<Renderer>(std::move(renderer));
        };
        EXPECT_TRUE(app->Initialise(2, 32, factory));
        return app;
    }

    // The test's folder is the player's.
    GameFolders Folders() const { return {root_ / "Base", root_}; }

    std::filesystem::path root_;
    ManualClock clock_;
    RecordingRenderer* renderer_ = nullptr;
};
}  // namespace

TEST_F(AppTest, WritesThePlayerNameAtExitEvenWithoutADrawingContextOrSaysWhyItCannot) {
    {
        App app(Folders(), clock_, 1u);
        const auto none = [](int, int, int, Log&) { return std::unique_ptr<Renderer>(); };
        EXPECT_FALSE(app.Initialise(2, 32, none));
        app.SetPlayerName("Sniper");
    }
    EXPECT_EQ(ReadPlayerName(root_ / "Prefs.dat"), "Sniper");
    std::filesystem::remove(root_ / "Prefs.dat");
    std::filesystem::create_directory(root_ / "Prefs.dat");
    { auto app = MakeApp(); }
    EXPECT_NE(ReadAll(root_ / "Log.txt").find("Couldn't save the player name"), std::string::npos);
}

TEST_F(AppTest, ALogOrAPlayerFolderThatCannotBeWrittenIsSaidOnceAndNothingIsWritten) {
    std::filesystem::create_directories(root_ / "Log.txt");  // a folder in its place
    testing::internal::CaptureStderr();
    {
        auto app = MakeApp();
        app->LogLine("nowhere to go");
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "brawlwick: cannot write " +
                                                          (root_ / "Log.txt").string() +
                                                          "; the game runs without a log.\n");

    std::ofstream(root_ / "blocked") << "kept";
    const auto nowhere = root_ / "blocked" / "me";
    const std::string said = "cannot make the player folder " + nowhere.string() +
                             ": Not a directory; the game goes on but saves nothing";
    testing::internal::CaptureStderr();
    {
        auto app = MakeApp(nowhere);
        app->SetPlayerName("Sniper");
        EXPECT_EQ(app->GetConsole()->History().back(), "C" + said.substr(1) + ".");
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "brawlwick: " + said + ".\n");
    EXPECT_EQ(ReadAll(root_ / "blocked"), "kept");
    EXPECT_TRUE(std::filesystem::is_empty(root_ / "Base"));
}

TEST_F(AppTest, TypingReachesTheConsoleDrawnInTheMenuFrameWithShiftAsTheFrameBegan) {
    auto app = MakeApp();
    auto keyboard = std::make_unique<ScriptedKeyboard>();
    ScriptedKeyboard& keys = *keyboard;
    app->LoadBindings(std::move(keyboard));
    keys.Press(Key::kGrave);
    keys.Press(Key::kRightShift);
    keys.Press(KeyNumberByName("H"));
    keys.Release(Key::kRightShift);
    keys.Press(KeyNumberByName("I"));
    renderer_->Clear();
    app->Frame();
    // Shift is read from the frame's snapshot, taken before the events are handed out.
    EXPECT_EQ(app->GetConsole()->InputLine(), "hi");
    EXPECT_EQ(renderer_->Calls().front().kind, Kind::BeginFrame);  // the console in the frame
    EXPECT_EQ(renderer_->Calls().back().kind, Kind::Present);
    EXPECT_FALSE(renderer_->Texts().empty());
    keys.Press(Key::kEnter);
    app->Frame();
    EXPECT_EQ(app->GetConsole()->History().back(), ">hi");
}

// The bindings file's buttons and the pad's fixed buttons reach the command handler, which on
// the menu only logs them.
TEST_F(AppTest, BoundMouseButtonsAndPadButtonsSendTheirCommands) {
    std::ofstream(root_ / "Base" / "binds.cfg") << "FirePrimary=MouseLeft\nJump=MouseRight\n";
    auto app = MakeApp();
    auto gamepad = std::make_unique<ScriptedGamepad>();
    ScriptedGamepad& pad = *gamepad;
    app->LoadBindings(std::make_unique<ScriptedKeyboard>(), std::move(gamepad));
    app->OnMouseButton(MouseButton::Left, true);
    app->OnMouseButton(MouseButton::Right, true);
    EXPECT_TRUE(app->Input()->IsActionDown(Action::kJump));
    for (const int button : {Button::kPadStart, Button::kPadX, Button::kPadB, Button::kPadBack})
        pad.Press(button);
    app->Frame();
    EXPECT_TRUE(app->GetConsole()->IsOpen());
    const std::string log = ReadAll(root_ / "Log.txt");
    std::vector<int> commands;
    for (std::size_t at = 0; (at = log.find("Command ", at)) != std::string::npos; at += 8)
        commands.push_back(std::stoi(log.substr(at + 8)));
    EXPECT_EQ(commands, (std::vector<int>{4, 1, 19, 6}));
}

TEST_F(AppTest, TheMenuSpriteIsStretchedAndGraphicsComeFirst) {
    std::filesystem::create_directories(root_ / "Base" / "MapObjects");
    WriteBytes(root_ / "Base" / "title.tga", SolidTga(8, 4, {0, 0, 0}));
    WriteBytes(root_ / "Base" / "MapObjects" / "objects.tga", SolidTga(4, 4, {0, 0, 0, 0}));
    std::ofstream(root_ / "Base" / "BWgfx.gtb") << "[title.tga]\nmenu 0,0,8,4\n";
    std::ofstream(root_ / "Base" / "BWents.etb") << "[objects.tga]\nmenu 0,0,4,4\ngrass1 0,0,4,2\n";
    auto app = MakeApp();
    EXPECT_EQ(app->FindSpriteIndex("grass1"), 2);  // after both menus
    renderer_->Clear();
    app->Frame();
    const auto quads = renderer_->CallsOf(Kind::TexturedQuad);
    ASSERT_EQ(quads.size(), 1u);
    EXPECT_EQ(quads[0].v[2], 800.0f);
    EXPECT_EQ(quads[0].v[3], 600.0f);
}

TEST_F(AppTest, MenuAndMatchHandTheMusicTheFrameAndTheInputBackAndForth) {
    std::ofstream(root_ / "Base" / "BWsnd.stb")
        << "Click.wav 2\nMenuMusic.wav\nGameMusic01.wav\nGameMusicEnd.wav\n";
    for (const char* name : {"Click.wav", "MenuMusic.wav", "GameMusic01.wav", "GameMusicEnd.wav"})
        WriteBytes(root_ / "Base" / "Sound" / name, WaveBytes::Pcm(22050, 1, 16, 100));
    MapContents box;
    box.name = "Box";
    box.platforms.emplace_back(0.0f, 500.0f, 800.0f, 540.0f);
    WriteBytes(root_ / "Base" / "Maps" / "box.bwm", WriteMapFile(box));
    const auto started = [](int id, bool loop) {
        return SoundEvent{Sound::Started, id, 0, 22050, loop};
    };
    const auto stopped = [](int id) { return SoundEvent{Sound::Stopped, id, 0, 0, false}; };
    using Events = std::vector<SoundEvent>;
    AudioRecord record;
    {
        auto app = MakeApp();
        app->LoadBindings(std::make_unique<ScriptedKeyboard>());
        app->LoadSounds(std::make_unique<RecordingAudioDevice>(record));
        // On the menu only a left press clicks.
        app->OnMouseButton(MouseButton::Left, true);
        app->OnMouseButton(MouseButton::Left, false);
        app->OnMouseButton(MouseButton::Right, true);
        EXPECT_EQ(record.events, (Events{started(1, true), started(0, false)}));

        // A map that cannot be opened leaves the menu and its music.
        record.events.clear();
        app->StartMap("nowhere.bwm", 6, 32, "ffa");
        EXPECT_TRUE(record.events.empty());
        const std::string missing = "Unable to open map \"nowhere.bwm\" in \"" +
                                    (root_ / "Maps").string() + "\" or \"" +
                                    (root_ / "Base" / "Maps").string() + "\"";
        EXPECT_EQ(app->GetConsole()->History().back(), missing + "...");
        EXPECT_NE(ReadAll(root_ / "Log.txt").find(missing), std::string::npos);
        app->StartMap("box.bwm", 4, 10, "team");
        const Game* game = app->CurrentGame();
        ASSERT_NE(game, nullptr);
        EXPECT_TRUE(game->TeamGame());
        EXPECT_EQ(record.events, (Events{stopped(1), started(2, true)}));
        renderer_->Clear();
        app->Frame();
        // The title and the team scores, not the menu.
        EXPECT_EQ(renderer_->Texts(),
                  (std::vector<std::string>{"Box", "Score: 0/10", "Score: 0/10"}));
        app->OnKeyDown(Key::kTab);
        EXPECT_TRUE(game->HideHud());
        record.events.clear();
        app->OnMouseButton(MouseButton::Left, true);  // a click in a match is not the menu's click
        EXPECT_TRUE(record.events.empty());

        app->OnCommand(Command::Leave);  // Escape: this frame still runs, then the match is gone
        renderer_->Clear();
        app->Frame();
        EXPECT_EQ(app->CurrentGame(), nullptr);
        EXPECT_EQ(renderer_->Texts(), (std::vector<std::string>{"Box"}));
        EXPECT_EQ(record.events, (Events{stopped(2), started(3, false), started(1, true)}));

        // Capture the flag is refused once, in the first frame, and the menu comes back.
        app->StartMap("box.bwm", 6, 32, "ctf");
        app->Frame();
        app->Frame();
        EXPECT_EQ(app->CurrentGame(), nullptr);
        const auto& history = app->GetConsole()->History();
        EXPECT_EQ(std::count(history.begin(), history.end(), "Game type not supported."), 1);

        // "new.bwm" is an empty free-for-all map whatever the type.
        app->StartMap("new.bwm", 6, 32, "ctf");
        ASSERT_NE(app->CurrentGame(), nullptr);
        EXPECT_EQ(app->CurrentGame()->Type(), GameType::FreeForAll);
        // Its slow motion lowers the pitch of what it plays.
        app->OnCommand(Command::SlowMotion);
        for (int i = 0; i < 60; ++i) {
            clock_.AdvanceFrames(1);
            app->Frame();
        }
        app->PlaySound("GameMusicEnd.wav", 5, 22050, false);
        EXPECT_EQ(record.events.back().rate, 5512);

        // Without drawing the editors still run: F12 closes the map editor in the next frame.
        app->SetDeveloper(true);
        app->SetDrawing(false);
        app->StartMap("new.bwm", 6, 32, "ffa");
        ASSERT_TRUE(app->CurrentGame()->MapEditorOpen());
        app->OnCommand(Command::MapEditor);
        app->Frame();
        EXPECT_FALSE(app->CurrentGame()->MapEditorOpen());
    }
    EXPECT_EQ(record.liveSounds, 0);  // every sound stopped before the sound system went
}
