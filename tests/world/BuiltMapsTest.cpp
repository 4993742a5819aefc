// The maps the build makes from assets/maps, loaded as the game loads them: each must be fit to
// play, with every scenery sprite in the built sprite tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

#include "content/GraphicsTable.h"
#include "core/Log.h"
#include "support/FileText.h"
#include "support/RecordingRenderer.h"
#include "world/MapFile.h"
#include "world/View.h"

namespace fs = std::filesystem;

namespace {

// The sections of the weapon file; a weapon item naming anything else gives nothing.
const std::set<std::string> kWeaponSections = {"Platinum", "GL",     "M4",     "SR",
                                               "SG",       "Flamer", "Blaster"};

struct BuiltMap {
    std::string file;
    MapContents map;
};

std::vector<BuiltMap> LoadBuiltMaps() {
    std::vector<BuiltMap> maps;
    for (const auto& entry : fs::directory_iterator(fs::path(BRAWLWICK_BASE_DIR) / "Maps")) {
        if (entry.path().extension() != ".bwm") continue;
        const std::string bytes = ReadAll(entry.path());
        const MapReadResult read = ReadMapFile(
            std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
        EXPECT_TRUE(read.contents) << entry.path() << ": " << read.error;
        if (read.contents) maps.push_back({entry.path().filename().string(), *read.contents});
    }
    std::sort(maps.begin(), maps.end(),
              [](const BuiltMap& a, const BuiltMap& b) { return a.file < b.file; });
    return maps;
}

bool Overlap(const Float4& a, const Float4& b) {
    return a.x1 < b.x2 && a.x2 > b.x1 && a.y1 < b.y2 && a.y2 > b.y1;
}

bool Inside(const Float4& inner, const Float4& outer) {
    return inner.x1 >= outer.x1 && inner.x2 <= outer.x2 && inner.y1 >= outer.y1 &&
           inner.y2 <= outer.y2;
}

// A solid platform whose top is from `least` to `most` below `y`, under x1..x2.
bool StandsOn(const MapContents& map, float x1, float x2, float y, float least, float most) {
    return std::any_of(map.platforms.begin(), map.platforms.end(), [&](const Platform& p) {
        const Float4& r = p.Rect();
        return p.Solid() && x1 <= r.x2 && x2 >= r.x1 && r.y1 - y >= least && r.y1 - y <= most;
    });
}

bool InsideSolid(const MapContents& map, const Float4& box) {
    return std::any_of(map.platforms.begin(), map.platforms.end(),
                       [&](const Platform& p) { return p.Solid() && Overlap(p.Rect(), box); });
}

void ExpectFitToPlay(const MapContents& map) {
    EXPECT_GE(map.spawnPoints.size(), 8u);
    for (const Platform& platform : map.platforms) {
        const Float4& r = platform.Rect();
        EXPECT_TRUE(r.x1 < r.x2 && r.y1 < r.y2 && Inside(r, map.bounds))
            << "platform " << r.x1 << " " << r.y1 << " " << r.x2 << " " << r.y2;
    }
    // The body box of a player put there: clear of every platform, standing on one.
    for (const SpawnPoint& spawn : map.spawnPoints) {
        const Float4 body{spawn.x - 8, spawn.y - 12, spawn.x + 8, spawn.y + 12};
        SCOPED_TRACE("spawn " + std::to_string(spawn.x) + " " + std::to_string(spawn.y));
        EXPECT_FALSE(InsideSolid(map, body));
        EXPECT_TRUE(StandsOn(map, body.x1, body.x2, body.y2, 0.0f, 4.0f));
        EXPECT_TRUE(Inside(body, map.bounds));
        EXPECT_TRUE(spawn.team >= 0 && spawn.team <= 2);
    }
    std::set<std::int32_t> kinds;
    for (const ItemSpawn& item : map.items) {
        const Vec2 at = item.Position();
        SCOPED_TRACE("item " + std::to_string(at.x) + " " + std::to_string(at.y));
        kinds.insert(item.Kind());
        if (item.Kind() == kItemWeapon) {
            EXPECT_TRUE(kWeaponSections.count(item.WeaponName())) << item.WeaponName();
        }
        EXPECT_FALSE(InsideSolid(map, Float4{at.x, at.y, at.x, at.y}));
        EXPECT_TRUE(StandsOn(map, at.x, at.x, at.y, 1.0f, 32.0f));
    }
    EXPECT_EQ(kinds, (std::set<std::int32_t>{0, 1, 2, 3, 4, 5}));
}

class BuiltMapsTest : public ::testing::Test {
protected:
    void SetUp() override {
        const fs::path base = BRAWLWICK_BASE_DIR;
        table_.LoadImageDirectory(base);
        table_.LoadImageDirectory(base / "MapObjects");
        table_.LoadSpriteTable(base / "BWgfx.gtb");
        table_.LoadSpriteTable(base / "BWents.etb");
    }

    Log log_;  // never opened: the lines go nowhere
    RecordingRenderer renderer_;
    GraphicsTable table_{renderer_, log_};
};

}  // namespace

TEST_F(BuiltMapsTest, EveryMapIsFitToPlayAndOneServesTeams) {
    const std::vector<BuiltMap> maps = LoadBuiltMaps();
    ASSERT_GE(maps.size(), 3u);
    EXPECT_EQ(maps.front().file, "bwdm1.bwm");  // the map the game starts with
    bool teams = false;
    for (const BuiltMap& built : maps) {
        SCOPED_TRACE(built.file);
        ExpectFitToPlay(built.map);
        const auto& spawns = built.map.spawnPoints;
        const auto ofTeam = [&](int team) {
            return std::count_if(spawns.begin(), spawns.end(),
                                 [&](const SpawnPoint& s) { return s.team == team; });
        };
        teams = teams || (ofTeam(1) >= 2 && ofTeam(2) >= 2);
    }
    EXPECT_TRUE(teams) << "no map has red and blue spawn points";
}

// Every platform shows somewhere in the world as the match draws it: scenery and dressed
// platforms with their sprite, the rest as white boxes.
TEST_F(BuiltMapsTest, EveryPlatformDrawsWithItsSprite) {
    for (BuiltMap& built : LoadBuiltMaps()) {
        SCOPED_TRACE(built.file);
        std::size_t sprited = 0;
        for (Platform& platform : built.map.platforms) {
            if (platform.SpriteName().empty()) continue;
            const int position = table_.FindSpriteIndex(platform.SpriteName());
            EXPECT_GT(position, 0) << platform.SpriteName() << " is in no sprite table";
            platform.SetSprite(position, platform.SpriteName());
            ++sprited;
        }
        EXPECT_GT(sprited, 0u);

        // A sprited platform is drawn as a textured quad, a plain one gets its white fill.
        const auto drawnAs = [](const Platform& platform) {
            return platform.SpriteName().empty() ? RecordingRenderer::Kind::FillRect
                                                 : RecordingRenderer::Kind::TexturedQuad;
        };
        View view(renderer_, &table_);
        std::set<std::size_t> drawn;
        const Float4& world = built.map.bounds;
        for (float y = world.y1; y < world.y2; y += View::kHeight) {
            for (float x = world.x1; x < world.x2; x += View::kWidth) {
                view.SetOffset(static_cast<int>(x), static_cast<int>(y));
                for (std::size_t i = 0; i < built.map.platforms.size(); ++i) {
                    const Platform& platform = built.map.platforms[i];
                    renderer_.Clear();
                    platform.Draw(view);
                    platform.DrawFill(view);
                    if (!renderer_.CallsOf(drawnAs(platform)).empty()) drawn.insert(i);
                }
            }
        }
        EXPECT_EQ(drawn.size(), built.map.platforms.size());
    }
}
