#pragma once

#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "arena/Arena.h"
#include "arena/LiveObject.h"
#include "bots/BotFiles.h"
#include "content/GraphicsTable.h"
#include "player/AnimationSet.h"
#include "player/Player.h"
#include "player/ShotTracing.h"
#include "support/RecordingRenderer.h"
#include "weapons/Weapon.h"
#include "weapons/WeaponFactory.h"
#include "weapons/WeaponFile.h"
#include "weapons/effects/ParticleSetup.h"
#include "world/GameMap.h"
#include "world/View.h"

// A match as the things in it see it, with nothing behind it: a map the test fills, a view on
// a recording renderer, a fixed step, and lists of what was spawned, played and said. Players,
// weapons and projectiles are tested against it without a Game.
class TestArena final : public Arena {
public:
    TestArena() {
        lower_.MendUnplayable(LowerAnimationSet::kAnimations);
        upper_.MendUnplayable(UpperAnimationSet::kAnimations);
    }

    // A platform from its corners; the tree is rebuilt over the bounds.
    void AddPlatform(float x1, float y1, float x2, float y2) {
        map_.Platforms().emplace_back(x1, y1, x2, y2);
        map_.BuildQuadTree(GameMap::kTreeDepth);
    }
    // A floor whose top is at y 500 across a world 2000 by 1000.
    void AddFloor() {
        map_.Contents().bounds = Float4{0, 0, 2000, 1000};
        AddPlatform(0, 500, 2000, 540);
    }
    // Players numbered in order; the first is the human.
    Player& AddPlayer() {
        players_.push_back(std::make_unique<Player>());
        players_.back()->SetNumber(PlayerCount() - 1);
        return *players_.back();
    }
    // A new life standing still at `at`, posed by its first update. On the floor, at y 488, his
    // spine runs from the neck (x, 474) down to the hip (x, 486), and the head's box is x - 4 to
    // x + 4 by y 466 to 475.
    Player& AddStandingPlayer(Vec2 at, Team team = Team::None) {
        Player& player = AddPlayer();
        player.Spawn();
        player.SetTeam(team);
        player.SetPosition(at);
        player.SetMove(MoveDirection::None);
        player.Update(*this);
        return player;
    }

    GameMap& Map() override { return map_; }
    const View& GetView() const override { return *view_; }
    float Step() const override { return step; }
    float TimeScale() const override { return timeScale; }
    void SetTimeScaleTarget(float target) override { timeScaleTarget = target; }
    int PlayerCount() const override { return static_cast<int>(players_.size()); }
    Player& GetPlayer(int number) override {
        return *players_.at(static_cast<std::size_t>(number));
    }
    // A bot's profile name, else "P" and the number: appended rather than "P" + ..., which
    // g++ 12 warns about wrongly in optimised builds.
    std::string PlayerName(int number) const override {
        const bool bot = number > 0 && number < PlayerCount();
        const BotProfile* profile =
            bot ? botFiles.Profile(players_[static_cast<std::size_t>(number)]->BotProfile())
                : nullptr;
        if (profile != nullptr) return profile->name;
        std::string name = "P";
        return name += std::to_string(number);
    }
    int BotProfileCount() const override { return static_cast<int>(botFiles.profiles.size()); }
    const BotFiles& Bots() const override { return botFiles; }
    int BotSkillLevel() const override { return botSkill; }
    bool BotChat() const override { return botChat; }
    void SayChat(const std::string& line) override { messages.push_back(line); }
    void RaiseChatEvent(Player& player, ChatEvent event) override {
        chatEvents.emplace_back(player.Number(), event);
    }
    ShotTrace TraceShot(const Segment& segment, int flags) override {
        return TraceThroughMatch(*this, segment, flags);
    }
    void AddObject(std::unique_ptr<LiveObject> object) override {
        objects.push_back(std::move(object));
    }
    void SpawnParticle(const ParticleSetup& setup) override { particles.push_back(setup); }
    const MatchSprites& Sprites() const override { return sprites; }
    int FindSprite(const std::string& name) const override {
        return graphics_ != nullptr ? graphics_->FindSpriteIndex(name) : -1;
    }
    int FindSound(const std::string& fileName) const override {
        const auto found = std::ranges::find(soundTable, fileName);
        return found == soundTable.end() ? -1 : static_cast<int>(found - soundTable.begin());
    }
    void PlaySound(int number) override { sounds.push_back(number); }
    int WeaponDefCount() const override { return static_cast<int>(weaponDefs.size()); }
    std::unique_ptr<Weapon> CreateWeaponAt(int index) override {
        if (index < 0 || index >= WeaponDefCount()) return nullptr;
        return BuildWeapon(weaponDefs[static_cast<std::size_t>(index)], *this);
    }
    std::unique_ptr<Weapon> CreateWeapon(const std::string& section) override {
        return CreateWeaponAt(FindWeaponDef(weaponDefs, section));
    }
    int WeaponSprite(const std::string& section) const override {
        const int found = FindWeaponDef(weaponDefs, section);
        return found < 0 ? -1
                         : FindSprite(weaponDefs[static_cast<std::size_t>(found)].Value("Sprite"));
    }
    bool MatchOver() const override { return matchOver; }
    int FragLimit() const override { return fragLimit; }
    bool TeamGame() const override { return teamGame; }
    int AddTeamFrag(Team team) override { return ++teamScores.at(static_cast<std::size_t>(team)); }
    void EndMatch() override { ++matchEnds; }
    void Shake(float amount) override { shake = std::max(shake, amount); }
    void ShowTitle(const std::string& text, float) override { title = text; }
    void AddMessage(const std::string& text) override { messages.push_back(text); }
    bool HideHud() const override { return false; }
    const Font* SmallFont() const override { return nullptr; }
    const Font* SmallBoldFont() const override { return nullptr; }
    const LowerAnimationSet& LowerAnimations() const override { return lower_; }
    const UpperAnimationSet& UpperAnimations() const override { return upper_; }
    MouseLook* HumanMouse() override { return nullptr; }
    // Only the outermost effect is one a host would send.
    void BeginEffect(const EffectEvent& event) override {
        if (effectDepth_++ == 0) effects.push_back(event);
    }
    void EndEffect() override { --effectDepth_; }

    // Sprites to find by name and to draw through the view; without them nothing is drawn.
    void UseGraphics(const GraphicsTable& graphics) {
        graphics_ = &graphics;
        view_.emplace(renderer, graphics_);
    }

    // Runs every object's update once, dropping the finished ones; objects added meanwhile
    // run too.
    void UpdateObjects() {
        for (std::size_t i = 0; i < objects.size(); ++i)
            objects[i]->Update(*this);
        std::erase_if(objects, [](const auto& object) { return object->Finished(); });
    }
    // The objects of one type.
    template <typename T>
    std::vector<T*> ObjectsOf() const {
        std::vector<T*> found;
        for (const auto& object : objects) {
            if (auto* typed = dynamic_cast<T*>(object.get())) found.push_back(typed);
        }
        return found;
    }

    float step = 1.0f;
    float timeScale = 1.0f;
    float timeScaleTarget = 1.0f;
    RecordingRenderer renderer;
    MatchSprites sprites;
    std::vector<std::string> soundTable;  // FindSound's table: position is the sound number
    std::vector<WeaponDef> weaponDefs;
    std::vector<std::unique_ptr<LiveObject>> objects;
    std::vector<ParticleSetup> particles;
    std::vector<int> sounds;
    std::vector<EffectEvent> effects;  // the shared effects made, as a host sends them
    std::vector<std::string> messages;
    std::vector<std::pair<int, ChatEvent>> chatEvents;
    std::string title;
    float shake = 0.0f;
    bool matchOver = false;
    int fragLimit = 1000;
    bool teamGame = false;
    std::array<int, 3> teamScores{};
    int matchEnds = 0;
    BotFiles botFiles;  // profiles, chat sets and responses the test gives its bots
    int botSkill = 3;
    bool botChat = false;

private:
    GameMap map_;
    int effectDepth_ = 0;
    const GraphicsTable* graphics_ = nullptr;
    std::optional<View> view_{std::in_place, renderer, nullptr};
    LowerAnimationSet lower_;
    UpperAnimationSet upper_;
    std::vector<std::unique_ptr<Player>> players_;
};
