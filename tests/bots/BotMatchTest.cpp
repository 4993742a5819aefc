#include <gtest/gtest.h>

#include <filesystem>

#include "core/Random.h"
#include "support/GameRig.h"
#include "support/TestFolder.h"

namespace {
const std::filesystem::path kBase = BRAWLWICK_BASE_DIR;

// Frags the bots of a headless match on the default map score in `frames` frames: the human
// is there but never touches a key.
int BotFrags(int skill, unsigned seed, int frames) {
    GameRig rig(FreshTestFolder("bots"), kBase);
    SeedRandom(seed);
    auto game = rig.StartGame(kBase / "Maps" / "bwdm1.bwm", 6);
    game->SetBotSkill(skill);
    game->SetFragLimit(100000);
    for (int frame = 0; frame < frames; ++frame) {
        rig.Tick();
        game->Update();
    }
    int frags = 0;
    for (int i = 1; i < game->PlayerCount(); ++i)
        frags += game->GetPlayer(i).Frags();
    return frags;
}
}  // namespace

// The same seeds and time at both ends of the skill range: the sharper bots score more.
TEST(BotMatchTest, SkilledBotsOutscoreClumsyOnes) {
    int clumsy = 0;
    int skilled = 0;
    for (const unsigned seed : {1u, 2u, 3u, 4u}) {
        clumsy += BotFrags(1, seed, 8000);
        skilled += BotFrags(5, seed, 8000);
    }
    std::printf("bot frags in 4 matches of 8000 frames: skill 1 %d, skill 5 %d\n", clumsy, skilled);
    EXPECT_GT(skilled, clumsy + clumsy / 2);
}
