#include "world/MapFile.h"

#include <gtest/gtest.h>

#include <limits>

#include "world/MapBytes.h"

TEST(MapFile, PlainFilesLoadAndSaveByteForByte) {
    const std::vector<std::uint8_t> bytes = SmallMapBytes();
    MapReadResult read = ReadMapFile(bytes);
    ASSERT_TRUE(read.contents) << read.error;
    const MapContents& map = *read.contents;
    EXPECT_EQ(map.name, "Yard");
    EXPECT_EQ(map.bounds.x2, 1600.0f);
    ASSERT_EQ(map.platforms.size(), 2u);
    EXPECT_EQ(map.platforms[1].Centre(), (Vec2{400.0f, 810.0f}));
    EXPECT_TRUE(map.platforms[1].Solid());
    EXPECT_EQ(map.platforms[1].SpritePosition(), -1);
    ASSERT_EQ(map.spawnPoints.size(), 2u);
    EXPECT_EQ(map.spawnPoints[1].team, 1);
    ASSERT_EQ(map.items.size(), 1u);
    EXPECT_EQ(map.items[0].Kind(), kItemWeapon);
    EXPECT_EQ(map.items[0].WeaponName(), "M4");
    EXPECT_EQ(map.items[0].respawnTimer, 100.0f);
    EXPECT_FALSE(map.items[0].available);

    EXPECT_EQ(WriteMapFile(map), bytes);

    // A new map: "Noname", the default world, nothing else: 32 bytes plus the name.
    MapContents fresh;
    const std::vector<std::uint8_t> empty = WriteMapFile(fresh);
    EXPECT_EQ(empty, MapBytes().Text("Noname").Rect(0, 0, 800, 600).Int(0).Int(0).Int(0).Bytes());
    ASSERT_TRUE(ReadMapFile(empty).contents);
    EXPECT_TRUE(ReadMapFile(empty).contents->platforms.empty());

    // Bytes after the items that are not the scenery block are left unread.
    std::vector<std::uint8_t> trailing = bytes;
    trailing.insert(trailing.end(), {'j', 'u', 'n', 'k', 0});
    EXPECT_TRUE(ReadMapFile(trailing).contents);
}

TEST(MapFile, SceneryKeepsItsSpriteAndSolidFlagThroughASave) {
    MapContents map;
    map.platforms.emplace_back(0.0f, 500.0f, 800.0f, 540.0f);
    Platform& bush = map.platforms.emplace_back(100.0f, 470.0f, 160.0f, 500.0f);
    bush.SetSolid(false);
    bush.SetSprite(12, "grass1");

    const std::vector<std::uint8_t> bytes = WriteMapFile(map);
    const MapReadResult read = ReadMapFile(bytes);
    ASSERT_TRUE(read.contents) << read.error;
    ASSERT_EQ(read.contents->platforms.size(), 2u);
    EXPECT_TRUE(read.contents->platforms[0].Solid());
    EXPECT_EQ(read.contents->platforms[0].SpriteName(), "");
    EXPECT_FALSE(read.contents->platforms[1].Solid());
    EXPECT_EQ(read.contents->platforms[1].SpriteName(), "grass1");
    // The position is the running game's; the loader looks the name up again.
    EXPECT_EQ(read.contents->platforms[1].SpritePosition(), -1);
    EXPECT_EQ(WriteMapFile(*read.contents), bytes);

    // The plain part comes first, so a plain reader sees both rectangles and stops before it.
    MapContents plain = map;
    plain.platforms[1] = Platform(100.0f, 470.0f, 160.0f, 500.0f);
    const std::vector<std::uint8_t> plainBytes = WriteMapFile(plain);
    ASSERT_LT(plainBytes.size(), bytes.size());
    EXPECT_TRUE(std::equal(plainBytes.begin(), plainBytes.end(), bytes.begin()));
}

TEST(MapFile, RefusesEveryCutShortFile) {
    MapContents map = *ReadMapFile(SmallMapBytes()).contents;
    map.platforms[0].SetSolid(false);
    const std::vector<std::uint8_t> whole = WriteMapFile(map);
    ASSERT_TRUE(ReadMapFile(whole).contents);
    const std::size_t plainSize = SmallMapBytes().size();
    for (std::size_t size = 0; size < whole.size(); ++size) {
        // Cut inside the block's 4-byte tag, what is left is not a block and is ignored.
        if (size >= plainSize && size < plainSize + 4) continue;
        const MapReadResult read = ReadMapFile(std::span(whole.data(), size));
        EXPECT_FALSE(read.contents) << "cut at " << size;
        EXPECT_FALSE(read.error.empty());
    }
}

TEST(MapFile, RefusesCountsLengthsAndNumbersThatCannotBeRight) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const std::string longName(256, 'n');
    const struct {
        std::vector<std::uint8_t> bytes;
        const char* error;
    } cases[] = {
        {MapBytes().Int(-1).Bytes(), "the map name length -1 is not between 0 and 255"},
        {MapBytes().Text(longName).Bytes(), "the map name length 256 is not between 0 and 255"},
        {MapBytes().Text("a").Rect(0, 0, inf, 600).Bytes(),
         "the world rectangle holds a number that is not finite"},
        {MapBytes().Text("a").Rect(0, 0, 800, 600).Int(-3).Bytes(),
         "the platform count -3 is negative"},
        {MapBytes().Text("a").Rect(0, 0, 800, 600).Int(2).Rect(0, 0, 1, 1).Int(0).Int(0).Bytes(),
         "the platform count 2 is more than the file holds"},
        {MapBytes().Text("a").Rect(0, 0, 800, 600).Int(1).Rect(0, nan, 1, 1).Int(0).Int(0).Bytes(),
         "the platform holds a number that is not finite"},
        {MapBytes().Text("a").Rect(0, 0, 800, 600).Int(0).Int(0x7fffffff).Bytes(),
         "the spawn point count 2147483647 is more than the file holds"},
        {MapBytes()
             .Text("a")
             .Rect(0, 0, 800, 600)
             .Int(0)
             .Int(0)
             .Int(1)
             .Int(3)
             .Float(1)
             .Float(1)
             .Int(300)
             .Bytes(),
         "the item weapon name length 300 is not between 0 and 255"},
        {MapBytes().Text("a").Rect(0, 0, 800, 600).Int(0).Int(0).Int(0).Raw("SCNY").Int(1).Bytes(),
         "the scenery block has 1 entries for 0 platforms"},
    };
    for (const auto& c : cases) {
        const MapReadResult read = ReadMapFile(c.bytes);
        EXPECT_FALSE(read.contents) << c.error;
        EXPECT_EQ(read.error, c.error);
    }
}
