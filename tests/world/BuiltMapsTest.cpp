// The maps the build makes from assets/maps, loaded as the game loads them: each must be fit to
// play, with every scenery sprite in the built sprite tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>

#include "content/GraphicsTable.h"
#include "core/Log.h"
#include "support/RecordingRenderer.h"
#include "world/GameMap.h"
#include "world/RectRelations.h"

namespace fs = std::filesystem;

namespace {

// The sections of the weapon file; a weapon item naming anything else gives nothing.
const std::set<std::string> kWeaponSections = {"Platinum", "GL",     "M4",     "SR",
                                               "SG",       "Flamer", "Blaster"};

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
    return std::any_of(map.platforms.begin(), map.platforms.end(), [&](const Platform& p) {
        return p.Solid() && StrictlyOverlaps(p.Rect(), box);
    });
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

// Every sprite a platform names is in the built tables (0 is where a missing name points), and
// some platforms are dressed.
void ExpectSpritesFound(const MapContents& map, const GraphicsTable& table) {
    std::size_t sprited = 0;
    for (const Platform& platform : map.platforms) {
        if (platform.SpriteName().empty()) continue;
        ++sprited;
        EXPECT_TRUE(platform.SpritePosition() > 0 && table.GetSprite(platform.SpritePosition()))
            << platform.SpriteName() << " is in no sprite table";
    }
    EXPECT_GT(sprited, 0u);
}

}  // namespace

TEST(BuiltMaps, EveryMapIsFitToPlayAndOneServesTeams) {
    Log log;  // never opened: the lines go nowhere
    RecordingRenderer renderer;
    GraphicsTable table{renderer, log};
    const fs::path base = BRAWLWICK_BASE_DIR;
    table.LoadBase(base);

    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(base / "Maps")) {
        if (entry.path().extension() == ".bwm") files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    ASSERT_GE(files.size(), 3u);
    EXPECT_EQ(files.front().filename(), "bwdm1.bwm");  // the map the game starts with
    bool teams = false;
    for (const fs::path& file : files) {
        SCOPED_TRACE(file.filename());
        std::ifstream in(file, std::ios::binary);
        GameMap map;
        std::string printed;
        ASSERT_TRUE(map.Load(
            in, file, [&](const std::string& line) { printed += line; }, &table))
            << printed;
        ExpectFitToPlay(map.Contents());
        ExpectSpritesFound(map.Contents(), table);
        const auto& spawns = map.SpawnPoints();
        const auto ofTeam = [&](int team) {
            return std::count_if(spawns.begin(), spawns.end(),
                                 [&](const SpawnPoint& s) { return s.team == team; });
        };
        teams = teams || (ofTeam(1) >= 2 && ofTeam(2) >= 2);
    }
    EXPECT_TRUE(teams) << "no map has red and blue spawn points";
}
