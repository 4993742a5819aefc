#include "weapons/kinds/KindKeys.h"

#include "arena/Arena.h"
#include "core/Vec2.h"
#include "weapons/WeaponDef.h"
#include "weapons/WeaponKeys.h"

void ReadDamage(const WeaponDef& def, ShotDamage& damage) {
    Vec2 pair{damage.health, damage.armour};
    ReadKey(def, "Power", pair);
    damage = ShotDamage{pair.x, pair.y};
}

int ReadSound(const WeaponDef& def, const std::string& key, const Arena& arena) {
    const std::string& file = def.Value(key);
    return file.empty() ? -1 : arena.FindSound(file);
}
