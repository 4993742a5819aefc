#include "world/MapFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <tuple>

#include "world/Float4Compare.h"
#include "world/MapBytes.h"

TEST(MapFile, FilesLoadAndSaveByteForByteWithScenery) {
    const std::vector<std::uint8_t> plain = SmallMapBytes();
    const MapReadResult read = ReadMapFile(plain);
    ASSERT_TRUE(read.contents) << read.error;
    MapContents map = *read.contents;
    // Each kind of record lands where it belongs; the round trip keeps the rest.
    EXPECT_EQ(map.platforms[1].Rect(), (Float4{300, 800, 500, 820}));
    const SpawnPoint& red = map.spawnPoints.at(1);
    EXPECT_EQ(std::tuple(red.x, red.y, red.team), std::tuple(400.0f, 780.0f, 1));
    const ItemSpawn& item = map.items.at(0);
    EXPECT_EQ(std::tuple(item.Kind(), item.Position(), item.WeaponName()),
              std::tuple(kItemWeapon, Vec2{700, 990}, "M4"));
    EXPECT_EQ(WriteMapFile(map), plain);

    // Scenery follows in a block of its own that a plain reader stops before.
    map.platforms[1].SetSolid(false);
    map.platforms[1].SetSprite(12, "grass1");
    const std::vector<std::uint8_t> bytes = WriteMapFile(map);
    ASSERT_LT(plain.size(), bytes.size());
    EXPECT_TRUE(std::equal(plain.begin(), plain.end(), bytes.begin()));
    const MapReadResult withScenery = ReadMapFile(bytes);
    const Platform& bush = withScenery.contents->platforms.at(1);
    // The sprite position is the running game's; the loader looks the name up again.
    EXPECT_EQ(std::tuple(bush.Solid(), bush.SpriteName(), bush.SpritePosition()),
              std::tuple(false, "grass1", -1));

    // Cut anywhere the file is refused, except inside the block's 4-byte tag: what is left there
    // is not a block and is ignored.
    for (std::size_t size = 0; size < bytes.size(); ++size) {
        if (size >= plain.size() && size < plain.size() + 4) continue;
        const MapReadResult cut = ReadMapFile(std::span(bytes.data(), size));
        EXPECT_FALSE(cut.contents) << "cut at " << size;
        EXPECT_FALSE(cut.error.empty());
    }
}

TEST(MapFile, RefusesCountsLengthsAndNumbersThatCannotBeRight) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const auto head = [] { return MapBytes().Text("a").Rect(0, 0, 800, 600); };
    const struct {
        std::vector<std::uint8_t> bytes;
        const char* error;
    } cases[] = {
        {MapBytes().Int(-1).Bytes(), "the map name length -1 is not between 0 and 255"},
        {head().Int(-3).Bytes(), "the platform count -3 is negative"},
        {head().Int(0).Int(0x7fffffff).Bytes(),
         "the spawn point count 2147483647 is more than the file holds"},
        {head().Int(1).Rect(0, nan, 1, 1).Int(0).Int(0).Bytes(),
         "the platform holds a number that is not finite"},
        {head().Int(0).Int(0).Int(0).Raw("SCNY").Int(1).Bytes(),
         "the scenery block has 1 entries for 0 platforms"},
    };
    for (const auto& c : cases) {
        const MapReadResult read = ReadMapFile(c.bytes);
        EXPECT_FALSE(read.contents) << c.error;
        EXPECT_EQ(read.error, c.error);
    }
}
