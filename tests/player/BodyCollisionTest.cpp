#include "player/BodyCollision.h"

#include <gtest/gtest.h>

#include "world/GameMap.h"
#include "world/Platform.h"

namespace {
GameMap MapOf(std::initializer_list<Float4> rects) {
    GameMap map;
    map.Contents().bounds = Float4{0, 0, 1000, 1000};
    for (const Float4& r : rects)
        map.Platforms().emplace_back(r.x1, r.y1, r.x2, r.y2);
    map.BuildQuadTree(GameMap::kTreeDepth);
    return map;
}

Float4 BoxAt(float x, float y) { return Float4{x - 8, y - 12, x + 8, y + 12}; }
}  // namespace

TEST(BodyCollisionTest, TheNearestSideAlongTheMovementWinsWhateverTheOrder) {
    // Two tops under a fast fall; the higher one is listed second but is met first.
    GameMap map = MapOf({{0, 520, 1000, 560}, {400, 505, 600, 515}});
    const BodyMove move = MoveBody(map, BoxAt(500, 480), 0.0f, 40.0f, 40.0f);
    EXPECT_FLOAT_EQ(move.box.y2, 505.0f);
    EXPECT_EQ(move.ground, &map.Platforms()[1]);

    // A rising head meets the bottom and is not stood on.
    GameMap ceiling = MapOf({{400, 440, 600, 460}});
    const BodyMove bump = MoveBody(ceiling, BoxAt(500, 475), 0.0f, -10.0f, -10.0f);
    EXPECT_FLOAT_EQ(bump.box.y1, 460.0f);
    EXPECT_EQ(bump.ground, nullptr);
}

// Walls stopping a runner are the player movement's test.
TEST(BodyCollisionTest, RunnersCrossSeamsBetweenLevelPlatformsAndFallersMeetALedgesSide) {
    // Two platforms laid end to end at one height are one floor to walk on; gravity adds a
    // little fall every frame.
    GameMap seam = MapOf({{0, 500, 518, 540}, {518, 500, 1000, 540}});
    const BodyMove across = MoveBody(seam, BoxAt(509.5f, 488), 1.8f, 0.105f, 0.105f);
    EXPECT_FALSE(across.blockX);
    EXPECT_FLOAT_EQ(across.box.x2, 519.3f);
    EXPECT_NE(across.ground, nullptr);

    // Falling past a ledge's corner from the side still meets its side.
    GameMap ledge = MapOf({{520, 480, 700, 500}});
    const BodyMove clip = MoveBody(ledge, BoxAt(511, 470), 2.0f, 3.0f, 3.0f);
    EXPECT_FLOAT_EQ(clip.box.x2, 520.0f);
}
