// The Base folder the build makes, loaded as the game loads it: every sprite a part of the game
// asks for by name must exist, inside its picture, at the size the game draws it. (That every
// picture and table line loads at all is the start-up end-to-end test's to say.)
#include <gtest/gtest.h>

#include <filesystem>

#include "content/GraphicsTable.h"
#include "core/Log.h"
#include "render/Image.h"
#include "support/RecordingRenderer.h"

namespace fs = std::filesystem;

namespace {

// Every sprite name the game's parts look up.
const char* const kRequiredSprites[] = {
    "menu", "conback", "Cursor", "Head", "helmet", "VertSel", "flash01", "mgshell", "sgshell",
    "grenade", "rpg", "Flame01", "smoke1", "gsmoke1", "spark", "explosion1", "bloods0", "bloods1",
    "bloods2", "af0", "af1", "af2", "af3", "respawn", "respawn2", "laserspot", "pwr_smhealth",
    "pwr_health", "pwr_ammo", "pwr_armour", "grass1",
    // One per weapon kind, named by the weapon file.
    "w_pistol", "w_rifle", "w_sniper", "w_shotgun", "w_grenadelauncher", "w_flamer", "w_blaster"};

class BuiltBaseTest : public ::testing::Test {
protected:
    void SetUp() override { table_.LoadBase(base_); }

    const fs::path base_ = BRAWLWICK_BASE_DIR;
    Log log_;  // never opened: the lines go nowhere
    RecordingRenderer renderer_;
    GraphicsTable table_{renderer_, log_};
};

}  // namespace

TEST_F(BuiltBaseTest, EveryRequiredSpriteExistsInsideItsImage) {
    ASSERT_GT(table_.SpriteCount(), 0);
    for (const char* name : kRequiredSprites) {
        SCOPED_TRACE(name);
        // Position 0 is the stand-in for names no table defines, so no real sprite sits there.
        const int position = table_.FindSpriteIndex(name);
        EXPECT_GT(position, 0);
    }
    for (int i = 0; i < table_.SpriteCount(); ++i) {
        const Sprite* sprite = table_.GetSprite(i);
        ASSERT_NE(sprite, nullptr);
        ASSERT_NE(sprite->image, nullptr);
        SCOPED_TRACE(sprite->image->Name() + " sprite " + std::to_string(i));
        EXPECT_GE(sprite->x1, 0);
        EXPECT_GE(sprite->y1, 0);
        EXPECT_GT(sprite->x2, sprite->x1);
        EXPECT_GT(sprite->y2, sprite->y1);
        EXPECT_LE(sprite->x2, sprite->image->Width());
        EXPECT_LE(sprite->y2, sprite->image->Height());
    }
}

TEST_F(BuiltBaseTest, SpritesHaveTheSizesTheGameDrawsThemAt) {
    const auto size = [&](const char* name) {
        const Sprite* sprite = table_.GetSprite(table_.FindSpriteIndex(name));
        return sprite ? std::make_pair(sprite->NaturalWidth(), sprite->NaturalHeight())
                      : std::make_pair(0, 0);
    };
    // The title screen is 512 x 384, stretched to 800 x 600.
    EXPECT_EQ(size("menu"), std::make_pair(512, 384));
    // The head is drawn from 4 left of and 8 above the neck, the helmet from 5 left, 10 above.
    EXPECT_EQ(size("Head"), std::make_pair(8, 8));
    EXPECT_EQ(size("helmet").first, 10);
    // Weapons sit 33 pixels apart on the weapon bar.
    for (const char* weapon : {"w_pistol", "w_rifle", "w_sniper", "w_shotgun", "w_grenadelauncher",
                               "w_flamer", "w_blaster"}) {
        EXPECT_LE(size(weapon).first, 33) << weapon;
    }
    // A flame burns within 16 times its scale: the picture's radius.
    EXPECT_EQ(size("Flame01"), std::make_pair(32, 32));
}
