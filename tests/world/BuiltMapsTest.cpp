// The maps the build makes, loaded as the game loads them: each must be fit to play.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "content/GraphicsTable.h"
#include "core/Log.h"
#include "support/RecordingRenderer.h"
#include "weapons/WeaponFile.h"
#include "world/GameMap.h"
#include "world/RectRelations.h"

namespace fs = std::filesystem;

namespace {
// Clear of every solid platform, with the top of one from `least` to `most` below `box`.
bool RestsAbove(const MapContents& map, const Float4& box, float least, float most) {
    bool over = false;
    for (const Platform& p : map.platforms) {
        const Float4& r = p.Rect();
        if (!p.Solid()) continue;
        if (StrictlyOverlaps(r, box)) return false;
        const float drop = r.y1 - box.y2;
        over = over || (box.x1 <= r.x2 && box.x2 >= r.x1 && drop >= least && drop <= most);
    }
    return over;
}
}  // namespace

TEST(BuiltMaps, EveryMapIsFitToPlayAndOneServesTeams) {
    Log log;  // never opened: the lines go nowhere
    RecordingRenderer renderer;
    GraphicsTable table{renderer, log};
    const fs::path base = BRAWLWICK_BASE_DIR;
    table.LoadBase(base);
    const std::vector<WeaponDef> weapons = LoadWeaponFile(base / "BWwep.wtb", [](const auto&) {});
    int maps = 0;
    bool teams = false;
    for (const auto& entry : fs::directory_iterator(base / "Maps")) {
        const fs::path& file = entry.path();
        if (file.extension() != ".bwm") continue;
        ++maps;
        SCOPED_TRACE(file.filename());
        std::ifstream in(file, std::ios::binary);
        GameMap map;
        std::string printed;
        ASSERT_TRUE(map.Load(
            in, file, [&](const std::string& line) { printed += line; }, &table))
            << printed;
        const MapContents& contents = map.Contents();
        EXPECT_GE(contents.spawnPoints.size(), 8u);
        int red = 0, blue = 0;
        for (const SpawnPoint& s : contents.spawnPoints) {
            const Float4 body{s.x - 8, s.y - 12, s.x + 8, s.y + 12};  // a player put there
            EXPECT_TRUE(RestsAbove(contents, body, 0.0f, 4.0f)) << "spawn " << s.x << " " << s.y;
            red += s.team == 1;
            blue += s.team == 2;
        }
        teams = teams || (red >= 2 && blue >= 2);
        for (const ItemSpawn& item : contents.items) {
            const Vec2 at = item.Position();
            EXPECT_TRUE(RestsAbove(contents, {at.x, at.y, at.x, at.y}, 1.0f, 32.0f))
                << "item " << at.x << " " << at.y;
            // A weapon item the weapon file does not know gives nothing when taken.
            EXPECT_TRUE(item.Kind() != kItemWeapon ||
                        FindWeaponDef(weapons, item.WeaponName()) >= 0)
                << item.WeaponName() << " is in no section of the weapon file";
        }
        // Every sprite a platform names is found (0 is where a missing name points).
        for (const Platform& p : contents.platforms) {
            if (p.SpriteName().empty()) continue;
            EXPECT_TRUE(p.SpritePosition() > 0 && table.GetSprite(p.SpritePosition()))
                << p.SpriteName() << " is in no sprite table";
        }
    }
    EXPECT_GE(maps, 3);
    EXPECT_TRUE(teams) << "no map has red and blue spawn points";
}
