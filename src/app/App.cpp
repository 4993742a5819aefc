#include "app/App.h"

#include <algorithm>
#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <fstream>
#include <utility>

#include "app/CommandLine.h"
#include "app/ConsoleCommands.h"
#include "app/NetSession.h"
#include "app/Preferences.h"
#include "console/Console.h"
#include "content/GraphicsTable.h"
#include "core/Clock.h"
#include "core/FrameTimer.h"
#include "core/Random.h"
#include "core/Screen.h"
#include "core/TextFormat.h"
#include "editors/AnimEditor.h"
#include "editors/MapEditor.h"
#include "game/Game.h"
#include "game/GameType.h"
#include "input/InputSystem.h"
#include "render/Renderer.h"
#include "render/Sprite.h"
#include "sound/SoundSystem.h"

App* g_app = nullptr;

namespace {
constexpr const char* kMenuMusic = "MenuMusic.wav";

}  // namespace

App::App(GameFolders folders, Clock& clock, unsigned int seed) : folders_(std::move(folders)) {
    SeedRandom(seed);
    OpenLog();
    log_.Line("Seed: %u.", seed);  // every run can be repeated
    timer_ = std::make_unique<FrameTimer>(static_cast<float>(kFramesPerSecond), clock);
    playerName_ = ReadPlayerName(folders_.ReadPath("Prefs.dat"));
}

// The log lives in the player's folder. A folder that cannot be written keeps no log: it is said
// here on stderr, and on the console once there is one.
void App::OpenLog() {
    if (!folders_.Problem().empty()) {
        std::fprintf(stderr, "brawlwick: %s.\n", FolderProblemLine().c_str());
        return;
    }
    std::string why;
    const std::filesystem::path path = folders_.WritePath("Log.txt", why);
    log_.Open(path);
    if (!log_.IsOpen()) {
        std::fprintf(stderr, "brawlwick: cannot write %s; the game runs without a log.\n",
                     path.c_str());
    }
    log_.Line("Player folder: \"%s\".", Printable(folders_.Player()->string()).c_str());
}

std::string App::FolderProblemLine() const {
    return folders_.Problem() + "; the game goes on but saves nothing";
}

App::~App() {
    // A client says goodbye and a host lets its clients go before the match goes.
    StopNet();
    StopSound(kMenuMusic);
    SavePreferences();
    // Images and fonts must die while the drawing context still exists, so the renderer is last.
    game_.reset();
    console_.reset();
    graphics_.reset();
    timer_.reset();
    sound_.reset();
    input_.reset();
    renderer_.reset();
    log_.Close();
}

void App::SavePreferences() {
    if (!folders_.Problem().empty()) return;  // said at start-up
    std::string why;
    const std::filesystem::path path = folders_.WritePath("Prefs.dat", why);
    if (path.empty() || !WritePlayerName(path, playerName_, &why)) {
        const std::string shown = path.empty() ? "Prefs.dat" : path.string();
        log_.Line("Couldn't save the player name to %s: %s.", Printable(shown).c_str(),
                  Printable(why).c_str());
    }
}

bool App::Initialise(int resolutionIndex, int colourDepth, const RendererFactory& makeRenderer) {
    const DisplaySize size = DisplaySizeFor(resolutionIndex);
    const int depth = colourDepth == 16 ? 16 : 32;
    renderer_ = makeRenderer(size.width, size.height, depth, log_);
    if (!renderer_) return false;
    renderer_->SetClearColor(255, 255, 255);
    graphics_ = std::make_unique<GraphicsTable>(*renderer_, log_);
    graphics_->LoadBase(folders_.Base());
    menuSprite_ = graphics_->FindSpriteIndex("menu");
    console_ = std::make_unique<Console>(*renderer_, *graphics_);
    console_->SetCommandHandler([this](const std::string& line) { ExecuteCommand(line); });
    console_->SetCompleter([this](const std::vector<std::string>& wordsBefore) {
        return ConsoleCompletions(*this, wordsBefore);
    });
    if (!folders_.Problem().empty()) {
        std::string line = FolderProblemLine();
        line[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(line[0])));
        console_->Print("%s.", line.c_str());
    }
    return true;
}

void App::LoadSounds(std::unique_ptr<AudioDevice> device) {
    // Sounds follow the running match's slow motion; on the menu they play at the normal rate.
    const auto matchTimeScale = [this]() -> std::optional<float> {
        if (!game_) return std::nullopt;
        return timer_->TimeScale();
    };
    sound_ = std::make_unique<SoundSystem>(std::move(device), log_, folders_.Base().parent_path(),
                                           matchTimeScale);
    sound_->Initialize();
    sound_->LoadSoundTable("Base/BWsnd.stb");
    PlaySound(kMenuMusic, kSoundVolume, kSoundFrequency, true);
}

void App::PlaySound(int id, int volume, int frequency, bool loop) {
    static_cast<void>(frequency);
    if (sound_) sound_->Play(id, volume, loop);
}

void App::PlaySound(const std::string& name, int volume, int frequency, bool loop) {
    PlaySound(FindSound(name), volume, frequency, loop);
}

void App::StopSound(int id) {
    if (sound_) sound_->Stop(id);
}

void App::StopSound(const std::string& name) { StopSound(FindSound(name)); }

int App::FindSound(const std::string& name) const {
    return sound_ ? sound_->FindSoundFile(name) : -1;
}

void App::StartMap(const std::string& mapName, int maxClients, int fragLimit,
                   const std::string& typeWord) {
    const bool emptyMap = mapName == "new.bwm";
    StartMapAt(emptyMap ? std::filesystem::path()
                        : folders_.ReadPath(std::filesystem::path("Maps") / mapName),
               mapName, maxClients, fragLimit, typeWord);
}

void App::StartMapAt(const std::filesystem::path& path, const std::string& mapName, int maxClients,
                     int fragLimit, const std::string& typeWord) {
    const bool emptyMap = path.empty();
    std::ifstream file;
    if (!emptyMap) {
        file.open(path, std::ios::binary);
        if (!file) {
            const std::string line = MapNotOpened(mapName);
            console_->Print("%s...", line.c_str());
            log_.Line("%s.", line.c_str());
            return;
        }
    }
    StopSound(kMenuMusic);
    game_.reset();  // an old match's music must end before the new one's starts
    mapPath_ = path;
    game_ = MakeGame(maxClients, fragLimit, emptyMap ? GameType::FreeForAll : GameTypeOf(typeWord));
    ++matchNumber_;
    if (emptyMap) {
        game_->OnCommand(Command::MapEditor);  // when the developer switch is on
    } else if (!game_->LoadMap(file, mapName)) {
        // The console says why; a match on nothing would only show an empty screen.
        EndGame();
        return;
    }
    // Loading must not count as one long frame.
    timer_->Tick();
    game_->Start();
}

// Names the map and every folder it was looked for in.
std::string App::MapNotOpened(const std::string& mapName) const {
    std::string places;
    for (const std::filesystem::path& folder : folders_.ReadFolders("Maps")) {
        if (!places.empty()) places += " or ";
        places.append(1, '"').append(Printable(folder.string())).append(1, '"');
    }
    return "Unable to open map \"" + Printable(mapName) + "\" in " + places;
}

std::unique_ptr<Game> App::MakeGame(int maxClients, int fragLimit, GameType type) {
    GameServices services{*renderer_, *timer_, log_};
    services.graphics = graphics_.get();
    services.sound = sound_.get();
    services.input = input_.get();
    services.cursor = cursor_;
    services.developer = [this] { return developer_; };
    services.print = [this](const std::string& line) { console_->PrintText(line); };
    services.drawConsole = [this] { console_->Draw(*renderer_); };
    std::string nowhere;  // said at start-up
    services.screenshots = folders_.WritePath("Screenshots", nowhere);
    services.base = folders_.Base();
    services.readFile = [this](const std::string& name) { return folders_.ReadPath(name); };
    services.writeFile = [this](const std::string& name, std::string& why) {
        return folders_.WritePath(name, why);
    };
    services.playerName = PlayerName();
    services.botSkill = botSkill_;
    services.botInHumanSlot = botInHumanSlot_;
    services.openAnimEditor = [](Game& game) { return std::make_unique<AnimEditor>(game); };
    services.openMapEditor = [](Game& game) { return std::make_unique<MapEditor>(game); };
    return std::make_unique<Game>(services, maxClients, fragLimit, type);
}

void App::SetBotSkill(int skill) {
    botSkill_ = std::clamp(skill, BotSkill::kLowest, BotSkill::kHighest);
    if (game_) game_->SetBotSkill(botSkill_);
}

void App::EndGame() {
    game_.reset();
    ++matchNumber_;
    mapPath_.clear();
    PlaySound(kMenuMusic, kSoundVolume, kSoundFrequency, true);
}

void App::Frame() {
    timer_->Tick();
    if (input_) input_->Poll(*this);
    if (net_) net_->BeforeFrame(*this);
    if (!game_) {
        if (drawing_) DrawMenu();
        AfterNetFrame();
        return;
    }
    if (!drawing_) {
        if (!game_->IsOver()) game_->Advance();
        game_->DropScreenshots();
    } else if (game_->IsOver()) {
        game_->DrawFinalScores();
    } else {
        game_->Frame();
    }
    if (game_->IsFinished()) EndGame();
    AfterNetFrame();
}

void App::AfterNetFrame() {
    if (!net_) return;
    net_->AfterFrame(*this);
    if (net_->Finished()) StopNet();
}

void App::StartNet(std::unique_ptr<NetSession> session) {
    StopNet();  // the session replaced says its last words first
    net_ = std::move(session);
}

void App::StopNet() {
    if (net_) net_->Close(*this);
    net_.reset();
}

void App::DrawMenu() {
    renderer_->BeginFrame();
    if (const Sprite* menu = graphics_->GetSprite(menuSprite_)) {
        renderer_->DrawSpriteStretched(*menu, 0.0f, 0.0f, kScreenWidth, kScreenHeight, 255);
    }
    console_->Draw(*renderer_);
    renderer_->Present();
}

void App::Run(WindowSystem& window, std::optional<long> frameLimit,
              const std::function<void()>& afterFrame) {
    long frames = 0;
    while (!quit_) {
        window.PumpEvents(*this);
        if (quit_) break;
        Frame();
        if (afterFrame) afterFrame();
        if (frameLimit && ++frames >= *frameLimit) Quit();
    }
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

float App::GetStep() const { return timer_->Step(); }

float App::GetTimeScale() const { return timer_->TimeScale(); }

void App::SetTimeScaleTarget(float value) { timer_->SetTimeScaleTarget(value); }
