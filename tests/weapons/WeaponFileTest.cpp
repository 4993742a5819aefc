// The weapon file as the game reads it: sections of key lines, their kinds, the log, and the
// numbers the weapons take out of the values.
#include "weapons/WeaponFile.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/FileText.h"
#include "support/TestFolder.h"
#include "weapons/WeaponKeys.h"

namespace {
using Lines = std::vector<std::string>;

// Its first 254 characters count and the rest is dropped: read as a line of its own, the rest
// would be one more key.
const std::string kLongLine = "Sprite=" + std::string(247, 's') + "[End]" + std::string(41, 'z');
}  // namespace

TEST(WeaponFile, ReadsSectionsKeysAndKindsAsWritten) {
    std::istringstream in(
        "; a comment, then a stray line and an empty one\nstray=1\n\n"
        "[Blaster]\r\nTemplate=Blaster\r\n[End]\r\n"
        "[Rocket]\nTemplate=RL\n[End]\n"
        "[Lower]\nTemplate=platinum\nROF = 5\nPower=10,20=30\n; inside\nName\n"
        "[End]\n"
        "[Platinum]\n" +
        kLongLine + "\nTemplate=Platinum\n[End]\n" +
        "[Platinum]\nTemplate=SG\n[End]\n"
        "[Open]\nTemplate=GL\nHand=1,2");
    Lines log;
    const std::vector<WeaponDef> defs =
        ReadWeaponFile(in, "test.wtb", [&](const std::string& line) { log.push_back(line); });

    EXPECT_EQ(log, (Lines{"Loading weapons from \"test.wtb\"...", "Loading Blaster...",
                          "Loading Rocket...", "Loading Lower...", "Loading Platinum...",
                          "Loading Platinum...", "Loading Open..."}));
    const struct {
        const char* name;
        WeaponKind kind;
        std::size_t keys;
    } expected[] = {
        {"Blaster", WeaponKind::Blaster, 1}, {"Rocket", WeaponKind::RL, 1},
        {"Lower", WeaponKind::Plain, 5},     {"Platinum", WeaponKind::Platinum, 2},
        {"Platinum", WeaponKind::SG, 1},     {"Open", WeaponKind::GL, 2},
    };
    ASSERT_EQ(defs.size(), std::size(expected));
    for (std::size_t i = 0; i < defs.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(defs[i].name, expected[i].name);
        EXPECT_EQ(defs[i].kind, expected[i].kind);
        EXPECT_EQ(defs[i].keys.size(), expected[i].keys);
    }
    const WeaponDef& lower = defs[2];
    EXPECT_EQ(lower.keys, (std::map<std::string, std::string>{{"Template", "platinum"},
                                                              {"ROF ", " 5"},
                                                              {"Power", "10,20"},
                                                              {"; inside", ""},
                                                              {"Name", ""}}));
    EXPECT_EQ(lower.Value("ROF"), "");
    EXPECT_EQ(lower.keys.count("ROF"), 0u);  // a lookup adds nothing
    EXPECT_EQ(defs[3].Value("Sprite"), std::string(247, 's'));
    EXPECT_EQ(FindWeaponDef(defs, "Platinum"), 3);
    EXPECT_EQ(FindWeaponDef(defs, "Hand"), -1);
    EXPECT_EQ(defs[5].Value("Hand"), "1,2");  // the file ended inside it
}

TEST(WeaponFile, LogsWhatItCannotLoad) {
    const auto folder = FreshTestFolder("weapons");
    WriteBytes(folder / "huge.wtb", {'[', 'A', ']'});
    std::filesystem::resize_file(folder / "huge.wtb", std::size_t{16} * 1024 * 1024 + 1);
    const struct {
        std::string file;
        Lines log;  // a section read shows as its "Loading" line
    } cases[] = {
        {"missing.wtb",
         {"Unable to load weapon file \"" + (folder / "missing.wtb").string() + "\""}},
        {"huge.wtb",
         {"Couldn't load \"" + (folder / "huge.wtb").string() +
          "\": the file is larger than any weapon file."}},
    };
    for (const auto& c : cases) {
        Lines log;
        LoadWeaponFile(folder / c.file, [&](const std::string& line) { log.push_back(line); });
        EXPECT_EQ(log, c.log);
    }
}

TEST(WeaponKeys, TakeTheNumbersThatBeginAValue) {
    const struct {
        const char* value;
        int whole;
        float number;
        Vec2 pair;
        Vec2 wholePair;
    } cases[] = {
        {"10,20", 10, 10.0f, {10, 20}, {10, 20}},
        {"1.5", 1, 1.5f, {1.5f, -1}, {1, -1}},
        {" 7", 7, 7.0f, {7, -1}, {7, -1}},
        {"x", -1, -1.0f, {-1, -1}, {-1, -1}},
        {"10", 10, 10.0f, {10, -1}, {10, -1}},
        {"", -1, -1.0f, {-1, -1}, {-1, -1}},
        // Numbers that would break a shot are passed over: the value stays as it was.
        {"inf", -1, -1.0f, {-1, -1}, {-1, -1}},
        {"nan,5", -1, -1.0f, {-1, 5}, {-1, -1}},
        {"1e99,2", 1, -1.0f, {-1, 2}, {1, -1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        WeaponDef def;
        if (*c.value != '\0') def.keys["K"] = c.value;
        int whole = -1;
        float number = -1;
        Vec2 pair{-1, -1}, wholePair{-1, -1};
        ReadKey(def, "K", whole);
        ReadKey(def, "K", number);
        ReadKey(def, "K", pair);
        ReadWholePair(def, "K", wholePair);
        EXPECT_EQ(whole, c.whole);
        EXPECT_EQ(number, c.number);
        EXPECT_EQ(pair, c.pair);
        EXPECT_EQ(wholePair, c.wholePair);
    }
    WeaponDef def;
    def.keys = {{"Yes", "True"}, {"Lower", "true"}};
    EXPECT_TRUE(ReadFlag(def, "Yes"));
    EXPECT_FALSE(ReadFlag(def, "Lower"));
    EXPECT_FALSE(ReadFlag(def, "Missing"));
}
