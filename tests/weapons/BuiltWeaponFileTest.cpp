// The weapon file the build makes, read as the game reads it: one section per weapon the maps
// name, each doing what its name says, with sounds the sound table knows.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "sound/SoundTable.h"
#include "weapons/WeaponFile.h"

TEST(BuiltWeaponFile, HasEveryWeaponOfItsKindWithKnownSounds) {
    const std::filesystem::path base = BRAWLWICK_BASE_DIR;
    const std::vector<WeaponDef> defs = LoadWeaponFile(base / "BWwep.wtb", [](const auto&) {});
    std::ifstream table(base / "BWsnd.stb");
    std::vector<std::string> sounds;
    ReadSoundTable(table, [&](const SoundTableLine& line) { sounds.push_back(line.fileName); });

    const auto known = [&](const std::string& sound) {
        return std::count(sounds.begin(), sounds.end(), sound) == 1;
    };
    using enum WeaponKind;
    const std::pair<const char*, WeaponKind> expected[] = {
        {"Platinum", Platinum}, {"M4", M4},          {"SR", SR}, {"SG", SG}, {"GL", GL},
        {"Flamer", Flamer},     {"Blaster", Blaster}};
    ASSERT_EQ(defs.size(), std::size(expected));
    EXPECT_EQ(defs[0].name, "Platinum");  // "give all" selects the first: the sidearm
    for (const auto& [name, kind] : expected) {
        const int at = FindWeaponDef(defs, name);
        ASSERT_GE(at, 0) << name;
        const WeaponDef& def = defs[static_cast<std::size_t>(at)];
        EXPECT_EQ(def.kind, kind) << name;
        EXPECT_TRUE(known(def.Value("FireSound"))) << name;
    }
    const WeaponDef& m4 = defs[static_cast<std::size_t>(FindWeaponDef(defs, "M4"))];
    EXPECT_EQ(m4.Value("RPG"), "True");
    EXPECT_TRUE(known(m4.Value("RPGFireSound")));
}
