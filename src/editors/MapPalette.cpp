#include "editors/MapPalette.h"

#include "world/ItemSpawn.h"
#include "world/Team.h"

namespace {
constexpr std::int32_t Number(Team team) { return static_cast<std::int32_t>(team); }
}  // namespace

const std::array<PaletteEntry, kPaletteSize>& MapPalette() {
    static constexpr std::array<PaletteEntry, kPaletteSize> kPalette = {{
        {"Platform", Placement::Platform, 0},
        {"Scenery", Placement::Scenery, 0},
        {"Spawn Point", Placement::SpawnPoint, Number(Team::None)},
        {"Spawn Point (Blue Team)", Placement::SpawnPoint, Number(Team::Blue)},
        {"Spawn Point (Red Team)", Placement::SpawnPoint, Number(Team::Red)},
        {"Small Health", Placement::Item, kItemSmallHealth},
        {"Med Health", Placement::Item, kItemMediumHealth},
        {"Mega Health", Placement::Item, kItemMegaHealth},
        {"Ammo Up", Placement::Item, kItemAmmo},
        {"Armor", Placement::Item, kItemArmour},
        {"Weapons:", Placement::Weapon, kItemWeapon},
    }};
    return kPalette;
}
