#pragma once

#include <array>
#include <cstdint>

// What a left click lays with a palette entry.
enum class Placement {
    Platform,    // dragged out with the button held
    Scenery,     // the scenery sprite, centred on the cursor
    SpawnPoint,  // of the entry's team
    Item,        // of the entry's kind
    Weapon,      // a weapon item of the chosen weapon
};

struct PaletteEntry {
    const char* name;  // shown top left
    Placement placement;
    std::int32_t value;  // the spawn point's team or the item's kind
};

inline constexpr int kPaletteSize = 11;
// The scenery sprite a click lays, at its own size.
inline constexpr const char* kScenerySprite = "grass1";

// In the order Q steps through them.
const std::array<PaletteEntry, kPaletteSize>& MapPalette();
