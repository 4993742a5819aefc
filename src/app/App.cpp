#include "app/App.h"

#include <cstdarg>
#include <ctime>
#include <fstream>

#include "app/CommandLine.h"
#include "app/Preferences.h"
#include "console/Console.h"
#include "content/GraphicsTable.h"
#include "core/FrameTimer.h"
#include "core/Random.h"
#include "render/Renderer.h"
#include "render/Sprite.h"

App* g_app = nullptr;

namespace {
constexpr float kTargetFrameRate = 80.0f;
constexpr float kMenuWidth = 800.0f;
constexpr float kMenuHeight = 600.0f;

int GameTypeCode(const std::string& word) {
    if (word == "team") return 2;
    if (word == "ctf") return 4;
    return 1;
}
}  // namespace

App::App(const std::filesystem::path& root, const std::filesystem::path& logPath, Clock& clock,
         std::optional<unsigned int> seed)
    : base_(root / "Base") {
    SeedRandom(seed ? *seed : static_cast<unsigned int>(std::time(nullptr)));
    log_.Open(logPath);
    timer_ = std::make_unique<FrameTimer>(kTargetFrameRate, clock);
    playerName_ = ReadPlayerName(base_ / "Prefs.dat");
}

App::~App() {
    // The menu music stops here once sound exists.
    SavePreferences();
    // Images and fonts must die while the drawing context still exists, so the renderer is last.
    console_.reset();
    graphics_.reset();
    timer_.reset();
    renderer_.reset();
    log_.Close();
}

void App::SavePreferences() {
    if (!WritePlayerName(base_ / "Prefs.dat", playerName_)) {
        log_.Line("Couldn't save the player name to %s", (base_ / "Prefs.dat").c_str());
    }
}

bool App::Initialise(int resolutionIndex, int colourDepth, const RendererFactory& makeRenderer) {
    const DisplaySize size = DisplaySizeFor(resolutionIndex);
    const int depth = colourDepth == 16 ? 16 : 32;
    renderer_ = makeRenderer(size.width, size.height, depth, log_);
    if (!renderer_) return false;
    renderer_->SetClearColor(255, 255, 255);
    graphics_ = std::make_unique<GraphicsTable>(*renderer_, log_);
    graphics_->LoadImageDirectory(base_);
    graphics_->LoadImageDirectory(base_ / "MapObjects");
    // The graphics table goes first, so its sprites win over the entity table's of the same name.
    graphics_->LoadSpriteTable(base_ / "BWgfx.gtb");
    graphics_->LoadSpriteTable(base_ / "BWents.etb");
    menuSprite_ = graphics_->FindSpriteIndex("menu");
    console_ = std::make_unique<Console>(*renderer_, *graphics_);
    return true;
}

void App::LoadBindings() {
    // The input system and the fixed command bindings are built here once the keyboard exists.
    log_.Line("Key bindings: no input system yet; keys are not read.");
}

void App::LoadSounds() {
    // The sound table and the menu music load here once the sound system exists.
    log_.Line("Sound: no sound system yet; the game is silent.");
}

void App::StartMap(const std::string& mapName, int maxClients, int fragLimit,
                   const std::string& typeWord) {
    const int typeCode = mapName == "new.bwm" ? 1 : GameTypeCode(typeWord);
    if (mapName != "new.bwm") {
        const std::filesystem::path path = base_ / "Maps" / mapName;
        std::ifstream file(path, std::ios::binary);
        if (!file) {
            console_->Print("Unable to open map \"%s\"...", path.c_str());
            return;
        }
    }
    // The match is built, loaded and started here once the Game exists.
    log_.Line("No match can be played yet: %s (%d clients, frag limit %d, type %d).",
              mapName.c_str(), maxClients, fragLimit, typeCode);
}

void App::Frame() {
    timer_->Tick();
    // The input system is polled here once it exists; a running match draws itself instead.
    DrawMenu();
}

void App::DrawMenu() {
    renderer_->BeginFrame();
    if (const Sprite* menu = graphics_->GetSprite(menuSprite_)) {
        renderer_->DrawSpriteStretched(*menu, 0.0f, 0.0f, kMenuWidth, kMenuHeight, 255);
    }
    console_->Draw(*renderer_);
    renderer_->Present();
}

void App::Run(WindowSystem& window, std::optional<long> frameLimit) {
    long frames = 0;
    while (!quit_) {
        window.PumpEvents(*this);
        if (quit_) break;
        Frame();
        if (frameLimit && ++frames >= *frameLimit) Quit();
    }
}

void App::OnCommand(int command) {
    // Commands go to the running match once the Game exists.
    static_cast<void>(command);
}

void App::OnKeyDown(int key) { static_cast<void>(key); }

void App::OnKeyUp(int key) { static_cast<void>(key); }

void App::OnMouseButton(MouseButton button, bool down) {
    // On the menu a left click plays sound 0 once the sound system exists; in a match the
    // buttons go to the Game.
    static_cast<void>(button);
    static_cast<void>(down);
}

void App::LogLine(const char* format, ...) {
    std::va_list args;
    va_start(args, format);
    log_.LineV(format, args);
    va_end(args);
}

int App::FindSpriteIndex(const std::string& name) const {
    return graphics_ ? graphics_->FindSpriteIndex(name) : 0;
}

const Sprite* App::GetSprite(int position) const {
    return graphics_ ? graphics_->GetSprite(position) : nullptr;
}

float App::GetStep() const { return timer_->Speed() * timer_->TimeScale(); }

float App::GetTimeScale() const { return timer_->TimeScale(); }

void App::SetTimeScaleTarget(float value) { timer_->SetTimeScaleTarget(value); }
