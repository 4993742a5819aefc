// The Base folder the build makes, loaded as the game loads it: every sprite a part of the game
// asks for by name must exist, inside its picture. (That every picture and table line loads at
// all is the start-up end-to-end test's to say.)
#include <gtest/gtest.h>

#include "content/GraphicsTable.h"
#include "core/Log.h"
#include "render/Image.h"
#include "support/RecordingRenderer.h"

TEST(BuiltBaseTest, EveryRequiredSpriteExistsInsideItsImage) {
    Log log;  // never opened: the lines go nowhere
    RecordingRenderer renderer;
    GraphicsTable table{renderer, log};
    table.LoadBase(BRAWLWICK_BASE_DIR);
    // Every sprite name the game's parts look up, with one per weapon kind named by the weapon
    // file. Position 0 is the stand-in for names no table defines, so no real sprite sits there.
    for (const char* name :
         {"menu",     "conback",   "Cursor",       "Head",       "helmet",    "VertSel",
          "flash01",  "mgshell",   "sgshell",      "grenade",    "rpg",       "Flame01",
          "smoke1",   "gsmoke1",   "spark",        "explosion1", "bloods0",   "bloods1",
          "bloods2",  "af0",       "af1",          "af2",        "af3",       "respawn",
          "respawn2", "laserspot", "pwr_smhealth", "pwr_health", "pwr_ammo",  "pwr_armour",
          "grass1",   "w_pistol",  "w_rifle",      "w_sniper",   "w_shotgun", "w_grenadelauncher",
          "w_flamer", "w_blaster"})
        EXPECT_GT(table.FindSpriteIndex(name), 0) << name;
    for (int i = 0; i < table.SpriteCount(); ++i) {
        const Sprite* sprite = table.GetSprite(i);
        ASSERT_NE(sprite->image, nullptr);
        EXPECT_TRUE(0 <= sprite->x1 && sprite->x1 < sprite->x2 &&
                    sprite->x2 <= sprite->image->Width() && 0 <= sprite->y1 &&
                    sprite->y1 < sprite->y2 && sprite->y2 <= sprite->image->Height())
            << sprite->image->Name() << " sprite " << i;
    }
}
