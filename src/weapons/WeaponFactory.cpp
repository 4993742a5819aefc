#include "weapons/WeaponFactory.h"

#include "weapons/Weapon.h"
#include "weapons/WeaponDef.h"

// Stub until the kinds land: every section makes a plain weapon.
std::unique_ptr<Weapon> BuildWeapon(const WeaponDef& def, const Arena& arena) {
    if (def.kind == WeaponKind::RL) return nullptr;
    auto weapon = std::make_unique<Weapon>();
    weapon->Read(def, arena);
    return weapon;
}
