#include "world/MapFile.h"

#include <gtest/gtest.h>

#include <limits>
#include <tuple>

#include "world/Float4Compare.h"
#include "world/MapBytes.h"

TEST(MapFile, PlainFilesLoadAndSaveByteForByte) {
    const std::vector<std::uint8_t> bytes = SmallMapBytes();
    const MapReadResult read = ReadMapFile(bytes);
    ASSERT_TRUE(read.contents) << read.error;
    const MapContents& map = *read.contents;
    // Each kind of record lands where it belongs; the round trip keeps the rest.
    EXPECT_EQ(map.name, "Yard");
    ASSERT_EQ(map.platforms.size(), 2u);
    EXPECT_EQ(map.platforms[1].Rect(), (Float4{300, 800, 500, 820}));
    ASSERT_EQ(map.spawnPoints.size(), 2u);
    const SpawnPoint& red = map.spawnPoints[1];
    EXPECT_EQ(std::tuple(red.x, red.y, red.team), std::tuple(400.0f, 780.0f, 1));
    ASSERT_EQ(map.items.size(), 1u);
    const ItemSpawn& item = map.items[0];
    EXPECT_EQ(std::tuple(item.Kind(), item.Position(), item.WeaponName()),
              std::tuple(kItemWeapon, Vec2{700, 990}, "M4"));
    EXPECT_EQ(WriteMapFile(map), bytes);

    // Bytes after the items that are not the scenery block are left unread.
    std::vector<std::uint8_t> trailing = bytes;
    trailing.insert(trailing.end(), {'j', 'u', 'n', 'k', 0});
    EXPECT_TRUE(ReadMapFile(trailing).contents);
}

TEST(MapFile, SceneryKeepsItsSpriteAndSolidFlagThroughASave) {
    MapContents map = *ReadMapFile(SmallMapBytes()).contents;
    map.platforms[1].SetSolid(false);
    map.platforms[1].SetSprite(12, "grass1");
    const std::vector<std::uint8_t> bytes = WriteMapFile(map);
    const MapReadResult read = ReadMapFile(bytes);
    ASSERT_TRUE(read.contents) << read.error;
    const auto& platforms = read.contents->platforms;
    EXPECT_EQ(std::tuple(platforms[0].Solid(), platforms[0].SpriteName()), std::tuple(true, ""));
    // The sprite position is the running game's; the loader looks the name up again.
    const Platform& bush = platforms[1];
    EXPECT_EQ(std::tuple(bush.Solid(), bush.SpriteName(), bush.SpritePosition()),
              std::tuple(false, "grass1", -1));
    EXPECT_EQ(WriteMapFile(*read.contents), bytes);

    // The plain part comes first, so a plain reader reads it whole and stops before the block.
    const std::vector<std::uint8_t> plain = SmallMapBytes();
    ASSERT_LT(plain.size(), bytes.size());
    EXPECT_TRUE(std::equal(plain.begin(), plain.end(), bytes.begin()));
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
    const auto head = [] { return MapBytes().Text("a").Rect(0, 0, 800, 600); };
    const struct {
        std::vector<std::uint8_t> bytes;
        const char* error;
    } cases[] = {
        {MapBytes().Int(-1).Bytes(), "the map name length -1 is not between 0 and 255"},
        {MapBytes().Text(std::string(256, 'n')).Bytes(),
         "the map name length 256 is not between 0 and 255"},
        {MapBytes().Text("a").Rect(0, 0, inf, 600).Bytes(),
         "the world rectangle holds a number that is not finite"},
        {head().Int(-3).Bytes(), "the platform count -3 is negative"},
        {head().Int(2).Rect(0, 0, 1, 1).Int(0).Int(0).Bytes(),
         "the platform count 2 is more than the file holds"},
        {head().Int(1).Rect(0, nan, 1, 1).Int(0).Int(0).Bytes(),
         "the platform holds a number that is not finite"},
        {head().Int(0).Int(0x7fffffff).Bytes(),
         "the spawn point count 2147483647 is more than the file holds"},
        {head().Int(0).Int(0).Int(1).Int(3).Float(1).Float(1).Int(300).Bytes(),
         "the item weapon name length 300 is not between 0 and 255"},
        {head().Int(0).Int(0).Int(0).Raw("SCNY").Int(1).Bytes(),
         "the scenery block has 1 entries for 0 platforms"},
    };
    for (const auto& c : cases) {
        const MapReadResult read = ReadMapFile(c.bytes);
        EXPECT_FALSE(read.contents) << c.error;
        EXPECT_EQ(read.error, c.error);
    }
}
