// The map's pick-ups against an arena double: who takes them, what they give, when they come
// back and how they are drawn in a match and in the editor.
#include "weapons/PowerUp.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "core/Log.h"
#include "core/Random.h"
#include "support/FileText.h"
#include "support/TestArena.h"
#include "support/TestFolder.h"
#include "support/TgaBytes.h"
#include "weapons/Weapon.h"
#include "world/ItemSpawn.h"

namespace {
constexpr Vec2 kAt{500, 400};
constexpr Vec2 kAway{-1000, 0};

// Three players in play far from the item; the weapon file has the sidearm and a rifle.
class PowerUpTest : public testing::Test {
protected:
    PowerUpTest() {
        SeedRandom(3);
        arena_.soundTable = {"PwrHealth.wav"};
        arena_.weaponDefs = {{"Platinum", WeaponKind::Platinum, {}},
                             {"M4", WeaponKind::M4, {{"Name", "Rifle"}, {"Sprite", "w_rifle"}}}};
        for (int i = 0; i < 3; ++i) {
            Player& player = arena_.AddPlayer();
            player.Spawn();
            player.ResetEquipment(arena_);
            player.SetPosition(kAway);
        }
    }
    // Ready to be taken, as it is once its first wait is over.
    static ItemSpawn Available(int kind, const char* weapon = "None") {
        ItemSpawn item;
        item.SetKind(kind);
        item.SetPosition(kAt);
        item.SetWeaponName(weapon);
        item.available = true;
        return item;
    }
    // A new life, that far from the item.
    Player& Respawn(int number, Vec2 offset) {
        Player& player = arena_.GetPlayer(number);
        player.Spawn();
        player.SetPosition(kAt + offset);
        return player;
    }

    TestArena arena_;
};
}  // namespace

TEST_F(PowerUpTest, TheNearestPlayerInPlayWithinReachTakesItTheLowerNumberWhenAsNear) {
    struct Case {
        Vec2 offsets[3];
        bool dead0;
        int taker;  // -1: nobody
    };
    const Case cases[] = {
        {{{20, 0}, {0, 10}, kAway}, false, 1},
        {{{-10, 0}, {10, 0}, {0, 10}}, false, 0},
        {{{30, 0}, {0, -30}, kAway}, false, -1},  // reach is "closer than 30"
        {{{5, 0}, {25, 0}, kAway}, true, 1},
    };
    for (const Case& c : cases) {
        for (int i = 0; i < 3; ++i)
            Respawn(i, c.offsets[i]);
        if (c.dead0) arena_.GetPlayer(0).Die(-1, arena_);
        ItemSpawn item = Available(kItemArmour);
        UpdateItem(item, arena_);
        EXPECT_EQ(item.available, c.taker == -1) << c.taker;
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(arena_.GetPlayer(i).Armour(), i == c.taker ? 50.0f : 0.0f) << c.taker;
    }
}

TEST_F(PowerUpTest, EachKindGivesItsShareUpToTheLimitAndAnUnknownOneGivesNothing) {
    struct Case {
        int kind;
        float damage, armour, health, armourAfter;
        int sounds;
    };
    const Case cases[] = {{kItemSmallHealth, 50, 0, 75, 0, 1},
                          {kItemSmallHealth, 0, 0, 100, 0, 1},
                          {kItemMegaHealth, 70, 0, 100, 0, 1},
                          {kItemArmour, 0, 80, 100, 100, 0},
                          {9, 50, 0, 50, 0, 0},
                          {-1, 50, 0, 50, 0, 0}};
    for (const Case& c : cases) {
        Player& player = Respawn(0, {});
        player.TakeDamage(c.damage, -1, arena_);
        player.AddArmour(c.armour);
        arena_.sounds.clear();
        ItemSpawn item = Available(c.kind);
        UpdateItem(item, arena_);
        EXPECT_FALSE(item.available) << c.kind;  // taken whatever it gave
        EXPECT_EQ(player.Health(), c.health) << c.kind;
        EXPECT_EQ(player.Armour(), c.armourAfter) << c.kind;
        EXPECT_EQ(arena_.sounds, std::vector<int>(static_cast<std::size_t>(c.sounds), 0));
    }
}

TEST_F(PowerUpTest, AWeaponItemTellsOnlyTheHumanOfANewWeaponAndRefillsInSilence) {
    struct Case {
        int taker;
        const char *weapon, *message, *inHand;  // no message: nothing said
    };
    const Case cases[] = {{1, "M4", nullptr, "M4"},
                          {0, "M4", "You got the Rifle", "M4"},
                          {0, "M4", nullptr, "M4"}};  // a refill
    for (const Case& c : cases) {
        arena_.messages.clear();
        Player& player = arena_.GetPlayer(c.taker);
        player.SetPosition(kAt);
        ItemSpawn item = Available(kItemWeapon, c.weapon);
        UpdateItem(item, arena_);
        player.SetPosition(kAway);
        EXPECT_FALSE(item.available);
        EXPECT_EQ(arena_.messages,
                  c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
        EXPECT_EQ(player.CurrentWeapon()->Section(), c.inHand) << c.taker;
    }
}

TEST_F(PowerUpTest, ANewItemComesAfter100StepsIsSeenOnceMoreWhenTakenAndBack500StepsLater) {
    ItemSpawn item;
    item.SetPosition(kAt);
    const auto run = [&](int steps, Vec2 taker = kAway) {
        arena_.GetPlayer(2).SetPosition(taker);
        for (int i = 0; i < steps; ++i)
            UpdateItem(item, arena_);
        return std::pair(item.available, item.shown);
    };
    EXPECT_EQ(run(100), std::pair(false, false));
    EXPECT_EQ(run(1), std::pair(true, false));  // first seen in the next frame
    EXPECT_EQ(run(1, kAt), std::pair(false, true));
    EXPECT_EQ(run(1), std::pair(false, false));
    EXPECT_EQ(run(499), std::pair(false, false));
    EXPECT_EQ(run(1), std::pair(true, false));
}

TEST_F(PowerUpTest, ArmourPulsesUpTo200AndStaysThereWhileTheOthersSwingBetween130And200) {
    ItemSpawn armour = Available(kItemArmour);
    ItemSpawn health = Available(kItemSmallHealth);
    float lowest = 200.0f;
    for (int step = 0; step < 200; ++step) {
        UpdateItem(armour, arena_);
        UpdateItem(health, arena_);
        if (step > 67) lowest = std::min(lowest, health.pulse);  // past its first climb
    }
    EXPECT_EQ(armour.pulse, 200.0f);
    EXPECT_TRUE(armour.pulseRising);
    EXPECT_EQ(lowest, 130.0f);
}

TEST_F(PowerUpTest, DrawsEachKindsPictureInAMatchAndInTheEditor) {
    const auto folder = FreshTestFolder("powerups");
    WriteBytes(folder / "items.tga", SolidTga(64, 64, {1, 2, 3, 255}));
    std::ofstream(folder / "items.gtb")
        << "[items.tga]\npwr_smhealth 0,0,32,32\npwr_health 0,0,40,40\n"
           "pwr_ammo 0,0,20,20\npwr_armour 0,0,16,16\nw_rifle 0,0,48,16\n";
    Log log;
    GraphicsTable graphics(arena_.renderer, log);
    graphics.LoadImageDirectory(folder);
    ASSERT_TRUE(graphics.LoadSpriteTable(folder / "items.gtb"));
    arena_.UseGraphics(graphics);
    arena_.sprites = {.smallHealth = arena_.FindSprite("pwr_smhealth"),
                      .health = arena_.FindSprite("pwr_health"),
                      .ammo = arena_.FindSprite("pwr_ammo"),
                      .armour = arena_.FindSprite("pwr_armour")};
    struct Case {
        const char* weapon;
        int kind, alpha;      // the alpha in a match
        float match, editor;  // the drawn widths, in a match at pulse 180 and in the editor
    };
    const Case cases[] = {
        {"None", kItemSmallHealth, 180, 22.4f, 40}, {"None", kItemAmmo, 180, 14, 20},
        {"M4", kItemWeapon, 230, 38.4f, 48},        {"None", kItemMegaHealth, 180, 35, 50},
        {"Nothing", kItemWeapon, 0, 0, 0},          {"None", 9, 0, 0, 0},
    };
    for (const Case& c : cases) {
        ItemSpawn item = Available(c.kind, c.weapon);
        item.pulse = 180;
        arena_.renderer.Clear();
        DrawItem(item, arena_.GetView(), arena_);  // not shown: nothing
        item.shown = true;
        DrawItem(item, arena_.GetView(), arena_);
        DrawItemInEditor(item, arena_.GetView(), arena_, 200);
        const auto quads = arena_.renderer.CallsOf(RecordingRenderer::Kind::TexturedQuad);
        ASSERT_EQ(quads.size(), c.match > 0 ? 2U : 0U) << c.kind << c.weapon;
        if (quads.empty()) continue;
        EXPECT_NEAR(quads[0].v[2] - quads[0].v[0], c.match, 1e-4f) << c.kind;
        EXPECT_EQ(quads[0].colour.a, c.alpha) << c.kind;
        EXPECT_FLOAT_EQ(quads[1].v[2] - quads[1].v[0], c.editor) << c.kind;
        EXPECT_FLOAT_EQ((quads[1].v[2] + quads[1].v[0]) / 2, kAt.x) << c.kind;
        EXPECT_EQ(quads[1].colour.a, 200) << c.kind;
    }
}
