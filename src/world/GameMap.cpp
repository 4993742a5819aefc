#include "world/GameMap.h"

#include <algorithm>
#include <utility>

#include "content/GraphicsTable.h"
#include "core/AtomicFile.h"
#include "core/TextFormat.h"
#include "world/View.h"

bool GameMap::Load(std::istream& in, const std::string& fileName, const Print& print,
                   const GraphicsTable* sprites) {
    print("** Initializing Game **");
    MapReadResult read = ReadMapFile(in);
    if (!read.contents) {
        print(FormatLineF("Couldn't load map \"%s\": %s.", fileName.c_str(), read.error.c_str()));
        return false;
    }
    MapContents& loaded = *read.contents;
    contents_.name = std::move(loaded.name);
    contents_.bounds = loaded.bounds;
    for (Platform& platform : loaded.platforms) {
        if (!platform.SpriteName().empty()) {
            const int position =
                sprites != nullptr ? sprites->FindSpriteIndex(platform.SpriteName()) : -1;
            platform.SetSprite(position, platform.SpriteName());
        }
    }
    auto append = [](auto& to, auto& from) {
        for (auto& each : from)
            to.push_back(std::move(each));
    };
    append(contents_.platforms, loaded.platforms);
    append(contents_.spawnPoints, loaded.spawnPoints);
    append(contents_.items, loaded.items);
    print("** Loading Quad Tree **");
    BuildQuadTree(kTreeDepth);
    print("** Loading AI Info **");
    return true;
}

bool GameMap::Save(const std::filesystem::path& path, const Print& print) const {
    const std::vector<std::uint8_t> bytes = WriteMapFile(contents_);
    const std::string shown = path.string();
    std::string why;
    if (!WriteFileAtomically(path, bytes.data(), bytes.size(), &why)) {
        // The atomic write keeps the old file whole.
        print(FormatLineF("Could not save \"%s\": %s.", shown.c_str(), why.c_str()));
        return false;
    }
    print(FormatLineF("Saved map to \"%s\".", shown.c_str()));
    return true;
}

void GameMap::RecomputeBounds() {
    Float4& world = contents_.bounds;
    world = Float4{0.0f, 0.0f, kScreenWidth, kScreenHeight};
    for (const Platform& platform : contents_.platforms) {
        const Float4& r = platform.Rect();
        world.x1 = std::min(world.x1, r.x1 - kBoundsMargin);
        world.y1 = std::min(world.y1, r.y1 - kBoundsMargin);
        world.x2 = std::max(world.x2, r.x2 + kBoundsMargin);
        world.y2 = std::max(world.y2, r.y2 + kBoundsMargin);
    }
    BuildQuadTree(kTreeDepth);
}

void GameMap::Draw(const View& view) const {
    for (const Platform& platform : contents_.platforms)
        platform.Draw(view);
    for (const Platform& platform : contents_.platforms)
        platform.DrawFill(view);
}
