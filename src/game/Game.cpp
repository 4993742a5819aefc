#include "game/Game.h"

#include "content/GraphicsTable.h"
#include "core/FrameTimer.h"
#include "core/Log.h"
#include "core/TextFormat.h"
#include "game/AnimationFiles.h"
#include "game/GameType.h"
#include "render/Font.h"
#include "render/Renderer.h"
#include "sound/SoundSystem.h"
#include "weapons/Weapon.h"
#include "weapons/effects/Particle.h"

namespace {
constexpr const char* kGameMusic = "GameMusic01.wav";
constexpr const char* kEndMusic = "GameMusicEnd.wav";
// What every caller passes; the sound system explains why neither matters.
constexpr int kMusicVolume = 5;
constexpr float kTitleDuration = 400.0f;
}  // namespace

Game::Game(const GameServices& services, int maxPlayers, int fragLimit, GameType type)
    : services_(services),
      teamGame_(type == GameType::Team),
      maxPlayers_(maxPlayers),
      fragLimit_(fragLimit),
      screenshots_(services.screenshots),
      gameType_(type) {
    services_.timer.SetTimeScale(1.0f);
    view_ = std::make_unique<View>(services_.renderer, services_.graphics);
    Renderer& renderer = services_.renderer;
    largeFont_ = renderer.MakeFont("Arial", 24, 0);
    smallFont_ = renderer.MakeFont("Arial", 14, 0);
    smallBoldFont_ = renderer.MakeFont("Arial", 14, kFontBold);
    hugeFont_ = renderer.MakeFont("Arial", 64, kFontBold);
    // The projectiles' and particles' sprites are looked up here once those kinds exist.
    FindSprites();
    LoadAnimationFile(services_.base / "LDefault.bwv", lowerAnimations_, services_.log);
    LoadAnimationFile(services_.base / "UDefault.bwv", upperAnimations_, services_.log);
    if (services_.cursor) mouseLook_ = std::make_unique<MouseLook>(*services_.cursor);
    // The weapon definitions (Base/BWwep.wtb) load here with the weapons.
    ShowTitle("Untitled", kTitleDuration);
    PlayMusic(kGameMusic, true);
    botChat_ = true;
}

Game::~Game() {
    StopMusic(kGameMusic);
    PlayMusic(kEndMusic, false);
    services_.log.Line("Average SF for game: %f", services_.timer.AverageSpeed());
    // Editors and live objects may point into the map, so they go before it.
    animEditor_.reset();
    mapEditor_.reset();
    liveObjects_.clear();
    view_.reset();
    largeFont_.reset();
    smallFont_.reset();
    smallBoldFont_.reset();
    hugeFont_.reset();
}

bool Game::LoadMap(std::istream& file, const std::string& fileName) {
    std::string lastLine;  // on refusal, the reason: the log keeps it after the console is gone
    const bool loaded = map_.Load(
        file, fileName,
        [&](const std::string& line) {
            Print(line);
            lastLine = line;
        },
        services_.graphics);
    if (!loaded) services_.log.Line("%s", Printable(lastLine).c_str());
    ShowTitle(map_.Name(), kTitleDuration);
    return loaded;
}

void Game::Start() {
    // The bot chat, response and profile files are read here once bots exist.
    const Player model;
    players_.assign(static_cast<std::size_t>(maxPlayers_ > 0 ? maxPlayers_ : 0), model);
    for (int number = 0; number < PlayerCount(); ++number) {
        Player& player = players_[static_cast<std::size_t>(number)];
        player.SetTeam(TeamOfPlayer(number, teamGame_));
        player.SetNumber(number);
        player.ResetEquipment(*this);
    }
    map_.BuildQuadTree(GameMap::kTreeDepth);
    services_.timer.ResetAverage();
}

float Game::Step() const { return services_.timer.Step(); }

void Game::SetTimeScaleTarget(float target) { services_.timer.SetTimeScaleTarget(target); }

std::string Game::PlayerName(int number) const {
    // Bots are named by their profiles once those are read.
    return number == 0 ? services_.playerName : std::string();
}

std::unique_ptr<Weapon> Game::CreateWeapon(const std::string& /*section*/) {
    // Made from the weapon file's sections once it is read.
    return nullptr;
}

void Game::FindSprites() {
    const GraphicsTable* graphics = services_.graphics;
    if (!graphics) return;
    figureSprites_.head = graphics->FindSpriteIndex("Head");
    figureSprites_.helmet = graphics->FindSpriteIndex("helmet");
    figureSprites_.smoke = graphics->FindSpriteIndex("gsmoke1");
    respawnSprites_ = {graphics->FindSpriteIndex("respawn"), graphics->FindSpriteIndex("respawn2")};
    cursorSprite_ = graphics->FindSpriteIndex("Cursor");
}

void Game::AddObject(std::unique_ptr<LiveObject> object) {
    if (object) liveObjects_.push_back(std::move(object));
}

void Game::SpawnParticle(const ParticleSetup& setup) {
    liveObjects_.push_back(std::make_unique<Particle>(setup));
}

bool Game::SaveMap(const std::filesystem::path& path) const {
    return map_.Save(path, [this](const std::string& line) { Print(line); });
}

void Game::DrawFinalScores() {
    // The final score screen arrives with the HUD; until then the frame stays empty.
    services_.renderer.BeginFrame();
    FinishFrame();
}

void Game::PlayMusic(const char* name, bool loop) {
    if (SoundSystem* sound = services_.sound)
        sound->Play(sound->FindSoundFile(name), kMusicVolume, loop);
}

void Game::StopMusic(const char* name) {
    if (SoundSystem* sound = services_.sound) sound->Stop(sound->FindSoundFile(name));
}
