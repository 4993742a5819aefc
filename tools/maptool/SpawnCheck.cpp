#include "SpawnCheck.h"

#include "TextTokens.h"

namespace {
const Platform* SolidAround(const MapContents& map, const SpawnPoint& spawn) {
    for (const Platform& platform : map.platforms) {
        const Float4& r = platform.Rect();
        if (platform.Solid() && spawn.x > r.x1 && spawn.x < r.x2 && spawn.y > r.y1 &&
            spawn.y < r.y2) {
            return &platform;
        }
    }
    return nullptr;
}

std::string Numbers(std::initializer_list<float> values) {
    std::string text;
    for (const float value : values) {
        if (!text.empty()) text += ' ';
        text += FormatNumber(value);
    }
    return text;
}
}  // namespace

std::vector<std::string> SpawnsInsidePlatforms(const MapContents& map, std::size_t limit) {
    std::vector<std::string> lines;
    std::size_t found = 0;
    for (const SpawnPoint& spawn : map.spawnPoints) {
        const Platform* platform = SolidAround(map, spawn);
        if (platform == nullptr || ++found > limit) continue;
        const Float4& r = platform->Rect();
        lines.push_back("spawn point " + Numbers({spawn.x, spawn.y}) +
                        " lies inside the platform " + Numbers({r.x1, r.y1, r.x2, r.y2}));
    }
    if (found > limit) {
        lines.push_back("and " + std::to_string(found - limit) +
                        " more spawn points inside platforms");
    }
    return lines;
}
