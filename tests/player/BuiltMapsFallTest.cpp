// Bodies falling onto every platform of the maps the build makes, through the same collision the
// players use: a fall that reaches into another node of the map's tree must still meet the top.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "core/FrameTimer.h"
#include "player/BodyCollision.h"
#include "player/Player.h"
#include "world/GameMap.h"
#include "world/RectRelations.h"

namespace {
// Found by looking at every platform: the highest solid top under the body that its bottom
// reaches in this move, or nothing when the body starts touching a solid platform.
std::optional<float> FirstTopMet(const GameMap& map, const Float4& box, float dy) {
    float first = box.y2 + dy;
    for (const Platform& p : map.Platforms()) {
        const Float4& r = p.Rect();
        if (!p.Solid()) continue;
        if (TouchesOrOverlaps(r, box)) return std::nullopt;
        if (r.x1 <= box.x2 && r.x2 >= box.x1 && r.y1 >= box.y2 && r.y1 <= first) first = r.y1;
    }
    return first;
}
}  // namespace

// Each top is met a tenth, half and nine tenths of the way through the move of a body that has
// fallen the map's height, at the longest step a frame takes, in the middle and at both ends.
TEST(BuiltMapsFall, EveryTopCatchesALongFallWhereverTheFrameReachesIt) {
    int maps = 0;
    for (const auto& entry : std::filesystem::directory_iterator(BRAWLWICK_BASE_DIR "/Maps")) {
        const std::filesystem::path& file = entry.path();
        if (file.extension() != ".bwm") continue;
        ++maps;
        std::ifstream in(file, std::ios::binary);
        GameMap map;
        ASSERT_TRUE(map.Load(
            in, file, [](const std::string&) {}, nullptr))
            << file;
        const float velocity =
            std::sqrt(2 * Player::kGravity * (map.Bounds().y2 - map.Bounds().y1));
        const float dy = FrameTimer::kMaxSpeed * velocity;
        int tops = 0;
        for (const Platform& platform : map.Platforms()) {
            const Float4& r = platform.Rect();
            if (!platform.Solid()) continue;
            const float half = Player::kBoxWidth / 2, middle = (r.x1 + r.x2) / 2;
            std::vector<float> places{middle};
            if (r.x2 - r.x1 >= Player::kBoxWidth + 2)
                places = {middle, r.x1 + half + 1, r.x2 - half - 1};
            for (const float x : places) {
                for (const float share : {0.1f, 0.5f, 0.9f}) {
                    const float bottom = r.y1 - share * dy;
                    const Float4 from{x - half, bottom - Player::kBoxHeight, x + half, bottom};
                    const std::optional<float> expected = FirstTopMet(map, from, dy);
                    if (!expected) continue;
                    const BodyMove move = MoveBody(map, from, 0.0f, dy, velocity);
                    EXPECT_EQ(move.box.y2, *expected)
                        << file.filename() << " top " << r.x1 << " " << r.y1 << " " << r.x2
                        << " at x " << x << ", " << share << " of the move";
                    EXPECT_NE(move.ground, nullptr);
                    ++tops;
                }
            }
        }
        EXPECT_GT(tops, 0) << file.filename();
    }
    EXPECT_GT(maps, 0);
}
