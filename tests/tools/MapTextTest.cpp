#include <gtest/gtest.h>

#include <sstream>

#include "MapSvg.h"
#include "MapTextReader.h"
#include "MapTextWriter.h"
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
platform 600 1168 632 1200 crate
scenery 1 2 3 4

spawn 60 1186
spawn 200 1106 red
spawn 2340 1186 blue
spawn 5 6 7

item small-health -0 1e-40
item ammo 1 2
item armour 3.4028235e+38 -3.4028235e+38
item weapon SR 80 866
item weapon "Big Gun" 1 2
item weapon None 1 2
item medium-health 0.1 0.2
item mega-health 1 2
item 9 1 2
item ammo Keepsake 1 2
)";

}  // namespace

TEST(MapText, ReadsEveryRecordAndPrintsItBackTheSame) {
    const MapTextResult read = Read(kEveryRecord);
    ASSERT_TRUE(read.contents) << read.error;
    const MapContents& map = *read.contents;
    // The numbers behind the words, which printing turns back into the same words.
    std::vector<std::int32_t> numbers;
    for (const SpawnPoint& spawn : map.spawnPoints)
        numbers.push_back(spawn.team);
    for (const ItemSpawn& item : map.items)
        numbers.push_back(item.Kind());
    EXPECT_EQ(numbers, (std::vector<std::int32_t>{0, 1, 2, 7, 0, 1, 2, 3, 3, 3, 4, 5, 9, 1}));
    // Printed from the built file, as `maptool print` does.
    const MapReadResult built = ReadMapFile(WriteMapFile(map));
    ASSERT_TRUE(built.contents) << built.error;
    EXPECT_EQ(WriteMapText(*built.contents), kEveryRecord);

    // Comments, blank lines and line ends of either kind are not part of the map.
    EXPECT_EQ(Build("# a map\n\nname \"a\"# the name\r\nworld 0 0 1 1 # the world\n"),
              Build("name a\nworld 0 0 1 1\n"));
}

TEST(MapText, RefusesFaultsNamingTheFileAndLine) {
    const std::string head = "name a\nworld 0 0 800 600\n";
    const std::string longName(256, 'n');
    const struct {
        std::string text;
        std::string error;
    } cases[] = {
        {head + "wall 1 2 3 4\n",
         "test.map:3: unknown record \"wall\"; a line starts with name, world, platform, "
         "scenery, spawn or item"},
        {head + "\n# comment\nplatform 1 2 3\n",
         "test.map:5: platform takes 4 numbers x1 y1 x2 y2 and an optional sprite name; 3 given"},
        {"world 0 0 800 600x\n", "test.map:1: \"600x\" is not a number"},
        {"world 0 0 inf 600\n", "test.map:1: \"inf\" is not a finite number"},
        {"world 0 0 1e39 600\n", "test.map:1: \"1e39\" is out of the range of a float"},
        {"world 0 700 800 600\n",
         "test.map:1: the world's top (700) is greater than its bottom (600)"},
        {head + "scenery 5 2 3 4 grass1\n",
         "test.map:3: the scenery's x1 (5) is greater than its x2 (3)"},
        {"name " + longName + "\n", "test.map:1: the map name is 256 bytes long; at most 255 fit"},
        {head + "scenery 1 2 3 4 " + std::string(64, 's') + "\n",
         "test.map:3: the sprite name is 64 bytes long; at most 63 fit"},
        {head + "item weapon " + longName + " 1 2\n",
         "test.map:3: the weapon name is 256 bytes long; at most 255 fit"},
        {head + "item health 1 2\n",
         "test.map:3: unknown item kind \"health\"; the kinds are small-health, ammo, armour, "
         "weapon, medium-health or mega-health"},
        {head + "item weapon 1 2\n",
         "test.map:3: a weapon item names its weapon: item weapon NAME X Y"},
        {head + "item 3x 1 2\n", "test.map:3: \"3x\" is not a whole number of 32 bits"},
        {head + "spawn 1 2 green\n",
         "test.map:3: unknown team \"green\"; a spawn's team is red or blue"},
        {head + "spawn 1 2 99999999999\n",
         "test.map:3: \"99999999999\" is not a whole number of 32 bits"},
        {head + "name b\n", "test.map:3: a second name line; the first is line 1"},
        {"name \"open\n", "test.map:1: quoted text is not closed"},
        {"name \"a\"b\n", "test.map:1: quoted text must be followed by a blank"},
        {"name a\"b\"\n", "test.map:1: a quote may only start a text"},
        {"name \"\\q\"\n", "test.map:1: unknown escape in quoted text; use \\\", \\\\ or \\xHH"},
        {"name a\n", "test.map: the map has no world line"},
        {"world 0 0 1 1\n", "test.map: the map has no name line"},
    };
    for (const auto& [text, error] : cases) {
        const MapTextResult read = Read(text);
        EXPECT_FALSE(read.contents) << text;
        EXPECT_EQ(read.error, error) << text;
    }
}

TEST(MapText, SvgShowsEveryObjectWithItsMarks) {
    const MapTextResult read = Read(kEveryRecord);
    ASSERT_TRUE(read.contents) << read.error;
    const std::string svg = DrawMapSvg(*read.contents);
    const auto has = [&](const std::string& what) { return svg.find(what) != std::string::npos; };
    EXPECT_EQ(svg.rfind("<svg ", 0), 0u);
    EXPECT_TRUE(has("viewBox=\"-250 0 2900.5 1490\""));
    // The world, 4 platforms and 4 spawn bodies are rectangles; items are dots.
    EXPECT_EQ(CountOf(svg, "<rect "), 1u + 4 + 4);
    EXPECT_EQ(CountOf(svg, "<circle "), 10u);
    // Names land in the picture escaped.
    EXPECT_TRUE(has("<title>Odd &quot;yard&quot; \\ #1</title>"));
    EXPECT_TRUE(has(">Big Gun</text>") && has(">grass1</text>"));

    // The grid: a line every 100 units, none when there would be too many.
    MapContents far;
    far.bounds = Float4{-100, 0, 300, 100};
    EXPECT_EQ(CountOf(DrawMapSvg(far), "<line "), 5u + 2);
    // Out where a step of 100 is lost in rounding the picture still comes to an end.
    far.bounds = Float4{1e30f, 0, 1.0000001e30f, 100};
    EXPECT_LE(CountOf(DrawMapSvg(far), "<line "), 3u);
    far.bounds = Float4{0, 0, 1e9f, 100};
    EXPECT_EQ(CountOf(DrawMapSvg(far), "<line "), 0u);
}
