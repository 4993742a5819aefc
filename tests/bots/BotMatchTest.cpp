#include <gtest/gtest.h>

#include <filesystem>
#include <numeric>
#include <vector>

#include "core/Random.h"
#include "support/GameRig.h"
#include "support/TestFolder.h"

namespace {
const std::filesystem::path kBase = BRAWLWICK_BASE_DIR;

// Each player's frags after a headless match of six on the default map; the human never touches
// a key, unless a bot is given his slot.
std::vector<int> Frags(int skill, unsigned seed, bool botInHumanSlot = false) {
    GameRig rig(FreshTestFolder("bots"), kBase);
    SeedRandom(seed);
    GameServices services = rig.Services();
    services.botSkill = skill;
    services.botInHumanSlot = botInHumanSlot;
    Game game(services, 6, 100000, GameType::FreeForAll);
    std::ifstream map(kBase / "Maps" / "bwdm1.bwm", std::ios::binary);
    EXPECT_TRUE(game.LoadMap(map, "bwdm1.bwm"));
    game.Start();
    for (int frame = 0; frame < 8000; ++frame) {
        rig.Tick();
        game.Update();
    }
    std::vector<int> frags(static_cast<std::size_t>(game.PlayerCount()));
    for (std::size_t i = 0; i < frags.size(); ++i)
        frags[i] = game.GetPlayer(static_cast<int>(i)).Frags();
    return frags;
}

int BotFrags(int skill, unsigned seed) {
    const std::vector<int> frags = Frags(skill, seed);
    return std::accumulate(frags.begin() + 1, frags.end(), 0);
}
}  // namespace

// The same seeds and time at both ends of the skill range: the sharper bots score more.
TEST(BotMatchTest, SkilledBotsOutscoreClumsyOnes) {
    int clumsy = 0;
    int skilled = 0;
    for (const unsigned seed : {1u, 2u, 3u, 4u}) {
        clumsy += BotFrags(1, seed);
        skilled += BotFrags(5, seed);
    }
    std::printf("bot frags in 4 matches of 8000 frames: skill 1 %d, skill 5 %d\n", clumsy, skilled);
    EXPECT_GT(skilled, clumsy + clumsy / 2);
}

// Given the human's slot (a match nobody watches), a bot is dealt it and plays like the rest.
TEST(BotMatchTest, ABotInTheHumansSlotPlaysLikeTheOthers) {
    EXPECT_GT(Frags(3, 2, true).front(), 0);
}
