// Bodies falling onto every platform of the maps the build makes, through the same collision the
// players use: a fall that reaches into another node of the map's tree must still meet the top.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/FrameTimer.h"
#include "player/BodyCollision.h"
#include "player/Player.h"
#include "world/GameMap.h"
#include "world/RectRelations.h"

namespace fs = std::filesystem;

namespace {
std::vector<fs::path> BuiltMaps() {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(fs::path(BRAWLWICK_BASE_DIR) / "Maps")) {
        if (entry.path().extension() == ".bwm") files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

Float4 BodyAt(float x, float bottom) {
    return {x - Player::kBoxWidth / 2, bottom - Player::kBoxHeight, x + Player::kBoxWidth / 2,
            bottom};
}

// Across the top, where a body fits: the middle and both ends.
std::vector<float> PlacesOn(const Float4& top) {
    const float half = Player::kBoxWidth / 2;
    if (top.x2 - top.x1 < Player::kBoxWidth + 2) return {(top.x1 + top.x2) / 2};
    return {(top.x1 + top.x2) / 2, top.x1 + half + 1, top.x2 - half - 1};
}

bool TouchesSolid(const GameMap& map, const Float4& box) {
    return std::any_of(map.Platforms().begin(), map.Platforms().end(), [&](const Platform& p) {
        return p.Solid() && TouchesOrOverlaps(p.Rect(), box);
    });
}

// Found by looking at every platform: the highest solid top under the body that its bottom
// reaches in this move.
float FirstTopMet(const GameMap& map, const Float4& box, float dy) {
    float first = box.y2 + dy;
    for (const Platform& p : map.Platforms()) {
        const Float4& r = p.Rect();
        const bool under = r.x1 <= box.x2 && r.x2 >= box.x1;
        if (p.Solid() && under && r.y1 >= box.y2 && r.y1 <= first) first = r.y1;
    }
    return first;
}
}  // namespace

// Each top is met a tenth, half and nine tenths of the way through the move of a body that has
// fallen the map's height, at the longest step a frame takes.
TEST(BuiltMapsFall, EveryTopCatchesALongFallWhereverTheFrameReachesIt) {
    const std::vector<fs::path> files = BuiltMaps();
    ASSERT_FALSE(files.empty());
    for (const fs::path& file : files) {
        std::ifstream in(file, std::ios::binary);
        GameMap map;
        ASSERT_TRUE(map.Load(
            in, file, [](const std::string&) {}, nullptr))
            << file;
        const float height = map.Bounds().y2 - map.Bounds().y1;
        const float velocity = std::sqrt(2 * Player::kGravity * height);
        const float dy = FrameTimer::kMaxSpeed * velocity;
        int tops = 0;
        for (const Platform& platform : map.Platforms()) {
            const Float4& r = platform.Rect();
            if (!platform.Solid()) continue;
            for (const float x : PlacesOn(r)) {
                for (const float share : {0.1f, 0.5f, 0.9f}) {
                    const Float4 from = BodyAt(x, r.y1 - share * dy);
                    if (TouchesSolid(map, from)) continue;
                    const BodyMove move = MoveBody(map, from, 0.0f, dy, velocity);
                    EXPECT_EQ(move.box.y2, FirstTopMet(map, from, dy))
                        << file.filename() << " top " << r.x1 << " " << r.y1 << " " << r.x2
                        << " at x " << x << ", " << share << " of the move";
                    EXPECT_NE(move.ground, nullptr);
                    ++tops;
                }
            }
        }
        EXPECT_GT(tops, 0) << file.filename();
    }
}
