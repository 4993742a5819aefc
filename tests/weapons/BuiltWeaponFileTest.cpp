// The weapon file and sound table the build makes, read as the game reads them: every weapon's
// sounds are in the table, and the menu's click is its first line.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "sound/SoundTable.h"
#include "weapons/WeaponFile.h"

TEST(BuiltWeaponFile, EveryWeaponsSoundsAreKnown) {
    const std::filesystem::path base = BRAWLWICK_BASE_DIR;
    const std::vector<WeaponDef> defs = LoadWeaponFile(base / "BWwep.wtb", [](const auto&) {});
    std::ifstream table(base / "BWsnd.stb");
    std::vector<std::string> sounds;
    ReadSoundTable(table, [&](const SoundTableLine& line) { sounds.push_back(line.fileName); });

    const auto known = [&](const std::string& sound) {
        return std::count(sounds.begin(), sounds.end(), sound) == 1;
    };
    // That the maps' weapons are found is the built maps' test.
    ASSERT_FALSE(defs.empty());
    EXPECT_EQ(defs[0].name, "Platinum");  // "give all" selects the first: the sidearm
    for (const WeaponDef& def : defs)
        EXPECT_TRUE(known(def.Value("FireSound"))) << def.name;
    EXPECT_EQ(sounds.at(0), "Click.wav");  // the menu plays ID 0
    const int m4At = FindWeaponDef(defs, "M4");
    ASSERT_GE(m4At, 0);
    const WeaponDef& m4 = defs[static_cast<std::size_t>(m4At)];
    EXPECT_EQ(m4.Value("RPG"), "True");
    EXPECT_TRUE(known(m4.Value("RPGFireSound")));
}
