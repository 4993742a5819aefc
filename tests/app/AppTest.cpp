#include "app/App.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "app/Preferences.h"
#include "console/Console.h"
#include "game/Game.h"
#include "input/InputSystem.h"
#include "input/ScriptedKeyboard.h"
#include "render/Image.h"
#include "render/Sprite.h"
#include "sound/SoundSystem.h"
#include "support/FileText.h"
#include "support/ManualClock.h"
#include "support/RecordingAudioDevice.h"
#include "support/RecordingRenderer.h"
#include "support/ScriptedWindow.h"
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

TEST_F(AppTest, WritesThePlayerNameAtExitEvenWithoutADrawingContextOrSaysWhyItCannot) {
    {
        auto app = MakeApp();
        EXPECT_EQ(app->PlayerName(), "Player");  // no preferences file yet
        app->SetPlayerName("Rookie");
    }
    EXPECT_EQ(ReadAll(root_ / "Base" / "Prefs.dat"), "Rookie\n");
    {
        App app(root_, root_ / "Log.txt", clock_, 1u);
        const auto none = [](int, int, int, Log&) { return std::unique_ptr<Renderer>(); };
        EXPECT_FALSE(app.Initialise(2, 32, none));
        EXPECT_EQ(app.GetConsole(), nullptr);
        app.SetPlayerName("Sniper");
    }
    EXPECT_EQ(ReadPlayerName(root_ / "Base" / "Prefs.dat"), "Sniper");
    // Without a Base folder the name cannot be written: the exit says so in the log.
    std::filesystem::remove_all(root_ / "Base");
    { auto app = MakeApp(); }
    EXPECT_NE(ReadAll(root_ / "Log.txt").find("Couldn't save the player name"), std::string::npos);
}

TEST_F(AppTest, ALogThatCannotBeWrittenIsSaidOnStderrOnce) {
    std::filesystem::create_directories(root_ / "Log.txt");  // a folder in its place
    testing::internal::CaptureStderr();
    {
        auto app = MakeApp();
        app->LogLine("nowhere to go");
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "brawlwick: cannot write " +
                                                          (root_ / "Log.txt").string() +
                                                          "; the game runs without a log.\n");
}

TEST_F(AppTest, MenuFrameClearsToWhiteAndDrawsTheConsoleBetweenBeginAndPresent) {
    auto app = MakeApp();
    ASSERT_NE(renderer_, nullptr);
    EXPECT_EQ(renderer_->Width(), 800);
    EXPECT_EQ(renderer_->ClearColour(), (Colour{255, 255, 255, 0}));

    renderer_->Clear();
    app->Frame();
    EXPECT_EQ(renderer_->Calls().size(), 2u);  // begin and present: the console is closed at start

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

// The easing of the time scale is the frame timer's own, tested there.
TEST_F(AppTest, EachFrameTicksTheTimer) {
    auto app = MakeApp();
    clock_.AdvanceFrames(2);
    app->Frame();
    EXPECT_FLOAT_EQ(app->GetStep(), 2.0f);
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

TEST_F(AppTest, SoundsLoadWithLoopingMenuMusicAndAMenuClickPlaysSoundZero) {
    std::ofstream(root_ / "Base" / "BWsnd.stb") << "Click.wav 2\nMenuMusic.wav\n";
    WriteBytes(root_ / "Base" / "Sound" / "Click.wav", WaveBytes::Pcm(22050, 1, 16, 100));
    WriteBytes(root_ / "Base" / "Sound" / "MenuMusic.wav", WaveBytes::Pcm(22050, 1, 16, 400));
    AudioRecord record;
    {
        auto app = MakeApp();
        app->LoadSounds(std::make_unique<RecordingAudioDevice>(record));
        ASSERT_NE(app->GetSoundSystem(), nullptr);
        EXPECT_EQ(record.events, (std::vector<SoundEvent>{{Sound::Started, 1, 0, 22050, true}}));

        app->OnMouseButton(MouseButton::Left, true);
        app->OnMouseButton(MouseButton::Left, false);
        app->OnMouseButton(MouseButton::Right, true);
        app->OnMouseButton(MouseButton::Left, true);
        EXPECT_EQ(record.events, (std::vector<SoundEvent>{{Sound::Started, 1, 0, 22050, true},
                                                          {Sound::Started, 0, 0, 22050, false},
                                                          {Sound::Started, 0, 1, 22050, false}}));

        // By name: a bare file name in Base/Sound/, exactly as written in the table.
        EXPECT_EQ(app->FindSound("MenuMusic.wav"), 1);
        EXPECT_EQ(app->FindSound("Base/Sound/MenuMusic.wav"), -1);
        record.events.clear();
        app->StopSound("MenuMusic.wav");
        app->PlaySound("MenuMusic.wav", 5, 22050, true);
        app->PlaySound("Nothing.wav", 5, 22050, true);
        EXPECT_EQ(record.events, (std::vector<SoundEvent>{{Sound::Stopped, 1, 0, 0, false},
                                                          {Sound::Started, 1, 0, 22050, true}}));
        // A map that cannot be opened leaves the menu and its music; one that opens but does not
        // read is a match over as soon as it began, and the menu music starts again.
        record.events.clear();
        app->StartMap("nowhere.bwm", 6, 32, "ffa");
        EXPECT_TRUE(record.events.empty());
        const std::string missing =
            "Unable to open map \"" + (root_ / "Base" / "Maps" / "nowhere.bwm").string() + "\"";
        EXPECT_EQ(app->GetConsole()->History().back(), missing + "...");
        EXPECT_NE(ReadAll(root_ / "Log.txt").find(missing), std::string::npos);
        WriteBytes(root_ / "Base" / "Maps" / "open.bwm", {});
        app->StartMap("open.bwm", 6, 32, "ffa");
        EXPECT_EQ(app->CurrentGame(), nullptr);
        EXPECT_EQ(record.events, (std::vector<SoundEvent>{{Sound::Stopped, 1, 0, 0, false},
                                                          {Sound::Started, 1, 0, 22050, true}}));
        EXPECT_NE(app->GetConsole()->History().back().find("Couldn't load map \"open.bwm\""),
                  std::string::npos);
        EXPECT_NE(ReadAll(root_ / "Log.txt").find("Couldn't load map \"open.bwm\":"),
                  std::string::npos);
        record.events.clear();
    }
    // Leaving stops the menu music before the sound system goes.
    EXPECT_EQ(record.events, (std::vector<SoundEvent>{{Sound::Stopped, 1, 0, 0, false}}));
    EXPECT_EQ(record.liveSounds, 0);
}

TEST_F(AppTest, KeysReachTheConsoleAndCommandsThroughTheBindingsFile) {
    std::ofstream(root_ / "Base" / "binds.cfg") << "FirePrimary=LeftShift\nNextWeapon=E\n";
    auto app = MakeApp();
    auto keyboard = std::make_unique<ScriptedKeyboard>();
    ScriptedKeyboard& keys = *keyboard;
    app->LoadBindings(std::move(keyboard));
    InputSystem& input = *app->Input();
    EXPECT_EQ(input.PressCommandOfKey(Key::kLeftShift), Command::FirePrimary);
    EXPECT_EQ(input.PressCommandOfKey(KeyNumberByName("E")), Command::NextWeapon);
    EXPECT_EQ(input.PressCommandOfKey(Key::kSpace), Command::None);  // FirePrimary moved away
    EXPECT_EQ(input.PressCommandOfKey(66), Command::Crouch);         // keypad 0 crouches
    EXPECT_EQ(input.PressCommandOfKey(Key::kKeypadPlus), Command::KeypadPlus);

    // Which keys reach commands, and the log lines they write, the input script end-to-end test
    // shows; here: the console's typing.
    keys.Press(Key::kGrave);
    keys.Press(Key::kRightShift);
    keys.Press(KeyNumberByName("H"));
    keys.Release(Key::kRightShift);
    keys.Press(KeyNumberByName("I"));
    app->Frame();
    // Shift is read from the frame's snapshot, taken before the events are handed out.
    EXPECT_EQ(app->GetConsole()->InputLine(), "hi");
    EXPECT_TRUE(app->IsConsoleOpen());
    keys.Press(Key::kEnter);
    app->Frame();
    EXPECT_EQ(app->GetConsole()->History().back(), ">hi");
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

TEST_F(AppTest, AMatchTakesTheFrameAndTheInputUntilItEndsAndThenTheMenuAndItsMusicReturn) {
    std::ofstream(root_ / "Base" / "BWsnd.stb")
        << "MenuMusic.wav\nGameMusic01.wav\nGameMusicEnd.wav\n";
    for (const char* name : {"MenuMusic.wav", "GameMusic01.wav", "GameMusicEnd.wav"}) {
        WriteBytes(root_ / "Base" / "Sound" / name, WaveBytes::Pcm(22050, 1, 16, 100));
    }
    MapContents box;
    box.name = "Box";
    box.platforms.emplace_back(0.0f, 500.0f, 800.0f, 540.0f);
    WriteBytes(root_ / "Base" / "Maps" / "box.bwm", WriteMapFile(box));
    AudioRecord record;
    auto app = MakeApp();
    app->LoadBindings(std::make_unique<ScriptedKeyboard>());
    app->LoadSounds(std::make_unique<RecordingAudioDevice>(record));
    record.events.clear();

    app->StartMap("box.bwm", 4, 10, "team");
    const Game* game = app->CurrentGame();
    ASSERT_NE(game, nullptr);
    EXPECT_TRUE(game->TeamGame());
    EXPECT_EQ(game->PlayerCount(), 4);
    EXPECT_EQ(game->FragLimit(), 10);
    EXPECT_EQ(record.events, (std::vector<SoundEvent>{{Sound::Stopped, 0, 0, 0, false},
                                                      {Sound::Started, 1, 0, 22050, true}}));
    renderer_->Clear();
    app->Frame();
    EXPECT_EQ(renderer_->Texts(), (std::vector<std::string>{"Box"}));  // the title, not the menu
    app->OnCommand(Command::Screenshot);
    app->Frame();
    EXPECT_EQ(renderer_->CallsOf(Kind::Screenshot).at(0).text,
              (root_ / "Screenshots" / "Screen0.tga").string());
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
    EXPECT_EQ(record.events, (std::vector<SoundEvent>{{Sound::Stopped, 1, 0, 0, false},
                                                      {Sound::Started, 2, 0, 22050, false},
                                                      {Sound::Started, 0, 0, 22050, true}}));

    // Capture the flag is refused once, in the first frame, and the menu comes back.
    app->StartMap("box.bwm", 6, 32, "ctf");
    app->Frame();
    app->Frame();
    EXPECT_EQ(app->CurrentGame(), nullptr);
    const auto& history = app->GetConsole()->History();
    EXPECT_EQ(std::count(history.begin(), history.end(), "Game type not supported."), 1);

    // "new.bwm" is an empty free-for-all map whatever the type; the editor needs a developer.
    app->StartMap("new.bwm", 6, 32, "ctf");
    ASSERT_NE(app->CurrentGame(), nullptr);
    EXPECT_EQ(app->CurrentGame()->Type(), GameType::FreeForAll);
    EXPECT_EQ(app->CurrentGame()->MapName(), "Noname");
    EXPECT_FALSE(app->CurrentGame()->MapEditorOpen());

    // The match's slow motion lowers the pitch of what it plays (F6 is command 20).
    app->OnCommand(Command::SlowMotion);
    for (int i = 0; i < 60; ++i) {
        clock_.AdvanceFrames(1);
        app->Frame();
    }
    app->PlaySound("GameMusicEnd.wav", 5, 22050, false);
    EXPECT_EQ(record.events.back().rate, 5512);
}
