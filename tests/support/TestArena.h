#pragma once

#include <memory>
#include <string>
#include <vector>

#include "arena/Arena.h"
#include "arena/LiveObject.h"
#include "player/AnimationSet.h"
#include "player/Player.h"
#include "support/RecordingRenderer.h"
#include "weapons/Weapon.h"
#include "weapons/effects/ParticleSetup.h"
#include "world/GameMap.h"
#include "world/View.h"

// A match as the things in it see it, with nothing behind it: a map the test fills, a view on
// a recording renderer, a fixed step, and lists of the particles spawned and the messages said.
// Players are tested against it without a Game; objects, shakes and titles go nowhere.
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
    // Players numbered in order; the first is the human.
    Player& AddPlayer() {
        players_.push_back(std::make_unique<Player>());
        players_.back()->SetNumber(PlayerCount() - 1);
        return *players_.back();
    }

    GameMap& Map() override { return map_; }
    const View& GetView() const override { return view_; }
    float Step() const override { return step; }
    void SetTimeScaleTarget(float target) override { timeScaleTarget = target; }
    int PlayerCount() const override { return static_cast<int>(players_.size()); }
    Player& GetPlayer(int number) override {
        return *players_.at(static_cast<std::size_t>(number));
    }
    std::string PlayerName(int number) const override { return "P" + std::to_string(number); }
    int BotProfileCount() const override { return 0; }
    bool BotChat() const override { return false; }
    void AddObject(std::unique_ptr<LiveObject>) override {}
    void SpawnParticle(const ParticleSetup& setup) override { particles.push_back(setup); }
    std::unique_ptr<Weapon> CreateWeapon(const std::string&) override { return nullptr; }
    void Shake(float) override {}
    void ShowTitle(const std::string&, float) override {}
    void AddMessage(const std::string& text) override { messages.push_back(text); }
    bool HideHud() const override { return false; }
    const Font* SmallFont() const override { return nullptr; }
    const Font* SmallBoldFont() const override { return nullptr; }
    const LowerAnimationSet& LowerAnimations() const override { return lower_; }
    const UpperAnimationSet& UpperAnimations() const override { return upper_; }
    const FigureSprites& Sprites() const override { return sprites_; }
    MouseLook* HumanMouse() override { return nullptr; }

    float step = 1.0f;
    float timeScaleTarget = 1.0f;
    RecordingRenderer renderer;
    std::vector<ParticleSetup> particles;
    std::vector<std::string> messages;

private:
    GameMap map_;
    View view_{renderer, nullptr};
    LowerAnimationSet lower_;
    UpperAnimationSet upper_;
    FigureSprites sprites_;
    std::vector<std::unique_ptr<Player>> players_;
};
