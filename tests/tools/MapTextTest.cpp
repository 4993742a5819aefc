#include <gtest/gtest.h>

#include <sstream>

#include "MapSvg.h"
#include "MapTextReader.h"
#include "MapTextWriter.h"
#include "SpawnCheck.h"
#include "support/FileText.h"
#include "world/MapFile.h"

namespace {

MapTextResult Read(const std::string& text) {
    std::istringstream in(text);
    return ReadMapText(in, "test.map");
}

std::vector<std::uint8_t> Build(const std::string& text) {
    const MapTextResult read = Read(text);
    EXPECT_TRUE(read.contents) << read.error;
    return read.contents ? WriteMapFile(*read.contents) : std::vector<std::uint8_t>{};
}

// Every record, every way of writing a value, and values a float only just holds, written as
// the map prints: quoting only what needs it, words for known numbers.
const char* const kEveryRecord = R"(name "Odd \"yard\"\x01 \\ #1"
world -250 0 2650.5 1490

platform 0 1200 2400 1240
scenery 100 1176 164 1200 grass1

spawn 60 1186
spawn 200 1106 red
spawn 5 6 7

item small-health -0 1e-40
item armour 3.4028235e+38 -3.4028235e+38
item weapon "Big Gun" 1 2
item mega-health 1 2
item 9 1 2
item ammo Keepsake 1 2
)";

}  // namespace

TEST(MapText, ReadsEveryRecordPrintsItBackTheSameAndDrawsTheNameEscaped) {
    const MapTextResult read = Read(kEveryRecord);
    ASSERT_TRUE(read.contents) << read.error;
    const MapContents& map = *read.contents;
    // The numbers behind the words, which printing turns back into the same words.
    std::vector<std::int32_t> numbers;
    for (const SpawnPoint& spawn : map.spawnPoints)
        numbers.push_back(spawn.team);
    for (const ItemSpawn& item : map.items)
        numbers.push_back(item.Kind());
    EXPECT_EQ(numbers, (std::vector<std::int32_t>{0, 1, 7, 0, 2, 3, 5, 9, 1}));
    // Printed from the built file, as `maptool print` does; the tool's test does it for every map.
    const MapReadResult built = ReadMapFile(WriteMapFile(map));
    ASSERT_TRUE(built.contents) << built.error;
    EXPECT_EQ(WriteMapText(*built.contents), kEveryRecord);
    EXPECT_NE(DrawMapSvg(map).find("<title>Odd &quot;yard&quot; \\ #1</title>"), std::string::npos);

    // Comments, blank lines and line ends of either kind are not part of the map.
    EXPECT_EQ(Build("# a map\n\nname \"a\"# the name\r\nworld 0 0 1 1 # the world\n"),
              Build("name a\nworld 0 0 1 1\n"));
}

TEST(MapText, RefusesFaultsNamingTheFileAndLine) {
    const std::string head = "name a\nworld 0 0 800 600\n";
    const std::string longName(256, 'n');
    const std::pair<std::string, std::string> cases[] = {
        {head + "wall 1 2 3 4\n",
         "test.map:3: unknown record \"wall\"; a line starts with name, world, platform, "
         "scenery, spawn or item"},
        {head + "\n# comment\nplatform 1 2 3\n",
         "test.map:5: platform takes 4 numbers x1 y1 x2 y2 and an optional sprite name; 3 given"},
        {"world 0 0 inf 600\n", "test.map:1: \"inf\" is not a finite number"},
        {"world 0 700 800 600\n",
         "test.map:1: the world's top (700) is greater than its bottom (600)"},
        {"name " + longName + "\n", "test.map:1: the map name is 256 bytes long; at most 255 fit"},
        {head + "item health 1 2\n",
         "test.map:3: unknown item kind \"health\"; the kinds are small-health, ammo, armour, "
         "weapon, medium-health or mega-health"},
        {head + "spawn 1 2 99999999999\n",
         "test.map:3: \"99999999999\" is not a whole number of 32 bits"},
        {"name \"open\n", "test.map:1: quoted text is not closed"},
        {"name \"\\q\"\n", "test.map:1: unknown escape in quoted text; use \\\", \\\\ or \\xHH"},
        {"name a\n", "test.map: the map has no world line"},
    };
    for (const auto& [text, error] : cases) {
        const MapTextResult read = Read(text);
        EXPECT_FALSE(read.contents) << text;
        EXPECT_EQ(read.error, error) << text;
    }
}

TEST(MapText, SvgEndsItsGridFarOut) {
    // Out where a step of 100 is lost in rounding the grid still comes to an end, and with too
    // many lines there is none.
    MapContents far;
    far.bounds = Float4{1e30f, 0, 1.0000001e30f, 100};
    EXPECT_LE(CountOf(DrawMapSvg(far), "<line "), 3u);
    far.bounds = Float4{0, 0, 1e9f, 100};
    EXPECT_EQ(CountOf(DrawMapSvg(far), "<line "), 0u);
}

TEST(MapText, NamesSpawnPointsInsideSolidPlatformsOnlyAndCountsThoseBeyondTheLimit) {
    // Inside the floor, on its top edge, inside scenery, above the floor, inside the wall.
    const MapTextResult read = Read(
        "name a\nworld 0 0 900 600\nplatform 0 500 900 540\nscenery 100 100 200 200 grass1\n"
        "platform 60 300 100 500\nspawn 300 520\nspawn 300 500\nspawn 150 150\nspawn 300 486\n"
        "spawn 80 400.5 red\n");
    ASSERT_TRUE(read.contents) << read.error;
    const std::vector<std::string> inside = {
        "spawn point 300 520 lies inside the platform 0 500 900 540",
        "spawn point 80 400.5 lies inside the platform 60 300 100 500"};
    EXPECT_EQ(SpawnsInsidePlatforms(*read.contents), inside);
    EXPECT_EQ(SpawnsInsidePlatforms(*read.contents, 1),
              (std::vector<std::string>{inside[0], "and 1 more spawn points inside platforms"}));
}
