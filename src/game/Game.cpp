#include "game/Game.h"

#include <string>
#include <utility>

#include <algorithm>

#include "bots/BotChat.h"
#include "content/GraphicsTable.h"
#include "core/FrameTimer.h"
#include "core/Log.h"
#include "core/TextFormat.h"
#include "game/AnimationFiles.h"
#include "game/GameType.h"
#include "player/ShotTracing.h"
#include "render/Font.h"
#include "render/Renderer.h"
#include "sound/SoundSystem.h"
#include "weapons/Weapon.h"
#include "weapons/WeaponFactory.h"
#include "weapons/WeaponFile.h"
#include "weapons/effects/Particle.h"

namespace {
constexpr const char* kGameMusic = "GameMusic01.wav";
constexpr const char* kEndMusic = "GameMusicEnd.wav";
// What every caller passes; the sound system explains why neither matters.
constexpr int kMusicVolume = 5;
constexpr int kEffectVolume = 5;
constexpr float kTitleDuration = 400.0f;

std::filesystem::path ReadPlace(const GameServices& services, const std::string& name) {
    return services.readFile ? services.readFile(name) : services.base / name;
}
}  // namespace

Game::Game(const GameServices& services, int maxPlayers, int fragLimit, GameType type)
    : services_(services),
      teamGame_(type == GameType::Team),
      maxPlayers_(maxPlayers),
      fragLimit_(fragLimit),
      screenshots_(services.screenshots),
      gameType_(type) {
    SetBotSkill(services.botSkill);
    services_.timer.SetTimeScale(1.0f);
    view_ = std::make_unique<View>(services_.renderer, services_.graphics);
    Renderer& renderer = services_.renderer;
    largeFont_ = renderer.MakeFont("Arial", 24, 0);
    smallFont_ = renderer.MakeFont("Arial", 14, 0);
    smallBoldFont_ = renderer.MakeFont("Arial", 14, kFontBold);
    hugeFont_ = renderer.MakeFont("Arial", 64, kFontBold);
    FindSprites();
    LoadAnimationFile(ReadPlace(services_, "LDefault.bwv"), lowerAnimations_, services_.log);
    LoadAnimationFile(ReadPlace(services_, "UDefault.bwv"), upperAnimations_, services_.log);
    if (services_.cursor) mouseLook_ = std::make_unique<MouseLook>(*services_.cursor);
    LoadWeaponFile(services_.base / "BWwep.wtb");
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
    botFiles_ = LoadBotFiles(services_.base / "BotFiles", [this](const std::string& line) {
        services_.log.Line("%s", line.c_str());
    });
    if (botFiles_.profiles.empty())
        services_.log.Line("No bot profiles were loaded: the bots will stand still.");
    const Player model;
    players_.assign(static_cast<std::size_t>(maxPlayers_ > 0 ? maxPlayers_ : 0), model);
    // Bots of one name would be hard to tell apart: each profile is dealt once before any
    // comes twice.
    const int firstBot = services_.botInHumanSlot ? 0 : 1;
    const std::vector<int> dealt = botFiles_.DealProfiles(PlayerCount() - firstBot);
    for (int number = 0; number < PlayerCount(); ++number) {
        Player& player = players_[static_cast<std::size_t>(number)];
        if (number >= firstBot && !dealt.empty())
            player.SetBotProfile(dealt[static_cast<std::size_t>(number - firstBot)]);
        player.SetTeam(TeamOfPlayer(number, teamGame_));
        player.SetNumber(number);
        player.ResetEquipment(*this);
    }
    map_.BuildQuadTree(GameMap::kTreeDepth);
    services_.timer.ResetAverage();
    RankPlayers();
}

float Game::Step() const { return services_.timer.Step(); }

float Game::TimeScale() const { return services_.timer.TimeScale(); }

void Game::SetTimeScaleTarget(float target) { services_.timer.SetTimeScaleTarget(target); }

std::string Game::PlayerName(int number) const {
    const bool named = number >= 0 && static_cast<std::size_t>(number) < shownNames_.size() &&
                       !shownNames_[static_cast<std::size_t>(number)].empty();
    if (named) return shownNames_[static_cast<std::size_t>(number)];
    if (number == 0) return services_.playerName;
    // A bot without a profile is named by its number, so a kill line still says who.
    const bool known = number > 0 && number < PlayerCount();
    const BotProfile* profile =
        known ? botFiles_.Profile(players_[static_cast<std::size_t>(number)].BotProfile())
              : nullptr;
    return profile != nullptr ? profile->name : "Bot " + std::to_string(number);
}

void Game::SetBotSkill(int skill) {
    botSkill_ = std::clamp(skill, BotSkill::kLowest, BotSkill::kHighest);
}

std::unique_ptr<Weapon> Game::CreateWeapon(const std::string& section) {
    const int found = FindWeaponDef(weaponDefs_, section);
    if (found < 0) return nullptr;
    return BuildWeapon(weaponDefs_[static_cast<std::size_t>(found)], *this);
}

int Game::WeaponSprite(const std::string& section) const {
    const int found = FindWeaponDef(weaponDefs_, section);
    if (found < 0) return -1;
    return FindSprite(weaponDefs_[static_cast<std::size_t>(found)].Value("Sprite"));
}

void Game::FindSprites() {
    const GraphicsTable* graphics = services_.graphics;
    if (!graphics) return;
    static constexpr std::pair<int MatchSprites::*, const char*> kNamed[] = {
        {&MatchSprites::head, "Head"},
        {&MatchSprites::helmet, "helmet"},
        {&MatchSprites::cigaretteSmoke, "gsmoke1"},
        {&MatchSprites::smoke, "smoke1"},
        {&MatchSprites::spark, "spark"},
        {&MatchSprites::explosion, "explosion1"},
        {&MatchSprites::flash, "flash01"},
        {&MatchSprites::rifleCasing, "mgshell"},
        {&MatchSprites::shotgunCasing, "sgshell"},
        {&MatchSprites::grenade, "grenade"},
        {&MatchSprites::rocket, "rpg"},
        {&MatchSprites::flame, "Flame01"},
        {&MatchSprites::laserSpot, "laserspot"},
        {&MatchSprites::cursor, "Cursor"},
        {&MatchSprites::smallHealth, "pwr_smhealth"},
        {&MatchSprites::health, "pwr_health"},
        {&MatchSprites::ammo, "pwr_ammo"},
        {&MatchSprites::armour, "pwr_armour"},
    };
    for (const auto& [field, name] : kNamed)
        sprites_.*field = graphics->FindSpriteIndex(name);
    const auto numbered = [graphics](const char* stem, auto& sprites) {
        for (std::size_t i = 0; i < sprites.size(); ++i)
            sprites[i] = graphics->FindSpriteIndex(stem + std::to_string(i));
    };
    numbered("bloods", sprites_.blood);
    numbered("af", sprites_.armourFragments);
    sprites_.respawn = {graphics->FindSpriteIndex("respawn"),
                        graphics->FindSpriteIndex("respawn2")};
}

int Game::FindSprite(const std::string& name) const {
    return services_.graphics ? services_.graphics->FindSpriteIndex(name) : -1;
}

int Game::FindSound(const std::string& fileName) const {
    return services_.sound ? services_.sound->FindSoundFile(fileName) : -1;
}

void Game::PlaySound(int number) {
    if (number >= 0) KeepEvent(MakeEffect(EffectKind::Sound, Vec2{}, number));
    if (services_.sound && number >= 0) services_.sound->Play(number, kEffectVolume, false);
}

void Game::RaiseChatEvent(Player& player, ChatEvent event) {
    ::RaiseChatEvent(player, event, *this);
}

void Game::SayChat(const std::string& line) {
    Print(line);
    AddMessage(line);
}

int Game::AddTeamFrag(Team team) { return ++teamScores_.at(static_cast<std::size_t>(team)); }

void Game::SetMaxClients(int /*count*/) { Print("Maxclients not implemented yet."); }

void Game::LoadWeaponFile(const std::filesystem::path& path) {
    weaponDefs_ = ::LoadWeaponFile(
        path, [this](const std::string& line) { services_.log.Line("%s", line.c_str()); });
    // Every fighter starts with this; without it nobody has a weapon, which is playable but
    // worth a word.
    const int start = FindWeaponDef(weaponDefs_, Player::kStartingWeapon);
    if (start < 0 || weaponDefs_[static_cast<std::size_t>(start)].kind == WeaponKind::RL) {
        services_.log.Line("The weapon file gave no starting weapon \"%s\"",
                           Player::kStartingWeapon);
    }
}

std::unique_ptr<Weapon> Game::CreateWeaponAt(int index) {
    if (index < 0 || index >= WeaponDefCount()) return nullptr;
    return BuildWeapon(weaponDefs_[static_cast<std::size_t>(index)], *this);
}

void Game::AddObject(std::unique_ptr<LiveObject> object) {
    if (object) liveObjects_.push_back(std::move(object));
}

void Game::SpawnParticle(const ParticleSetup& setup) {
    liveObjects_.push_back(std::make_unique<Particle>(setup));
}

void Game::RemovePlatform(std::size_t index) {
    PlatformList& platforms = map_.Platforms();
    if (index >= platforms.size()) return;
    for (Player& player : players_)
        player.ForgetGround(platforms[index]);
    platforms.erase(index);
}

bool Game::SaveMap(const std::filesystem::path& path) const {
    return map_.Save(path, [this](const std::string& line) { Print(line); });
}

void Game::PlayMusic(const char* name, bool loop) {
    if (SoundSystem* sound = services_.sound)
        sound->Play(sound->FindSoundFile(name), kMusicVolume, loop);
}

void Game::StopMusic(const char* name) {
    if (SoundSystem* sound = services_.sound) sound->Stop(sound->FindSoundFile(name));
}

ShotTrace Game::TraceShot(const Segment& segment, int flags) {
    return TraceThroughMatch(*this, segment, flags);
}
