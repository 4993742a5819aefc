#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/Float4.h"
#include "core/Screen.h"
#include "world/ItemSpawn.h"
#include "world/PlatformList.h"
#include "world/SpawnPoint.h"

// Everything a map file holds, in file order.
struct MapContents {
    std::string name = "Noname";
    Float4 bounds{0.0f, 0.0f, kScreenWidth, kScreenHeight};
    PlatformList platforms;
    std::vector<SpawnPoint> spawnPoints;
    std::vector<ItemSpawn> items;
};

inline constexpr std::size_t kMaxMapNameLength = 255;
inline constexpr std::size_t kMaxWeaponNameLength = 255;
inline constexpr std::size_t kMaxSceneryNameLength = 63;
// Larger files are refused before they are read into memory.
inline constexpr std::size_t kMaxMapFileSize = std::size_t{64} * 1024 * 1024;

struct MapReadResult {
    std::optional<MapContents> contents;  // none when the file was refused
    std::string error;                    // why it was refused
};

// Reads a whole map file. A file that is short, holds a count or length that does not fit,
// or a number that is not finite, is refused as a whole.
MapReadResult ReadMapFile(std::span<const std::uint8_t> bytes);
// The same from a stream, refusing one larger than kMaxMapFileSize before it is all read.
MapReadResult ReadMapFile(std::istream& in);

// The file bytes of a map. Plain platforms give exactly the plain format; when any platform
// is scenery or carries a sprite, a trailing block keeps that, which plain readers never reach.
std::vector<std::uint8_t> WriteMapFile(const MapContents& contents);
