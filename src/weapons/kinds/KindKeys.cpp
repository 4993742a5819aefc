#include "weapons/kinds/KindKeys.h"

#include <cmath>

#include "arena/Arena.h"
#include "core/Vec2.h"
#include "weapons/WeaponDef.h"
#include "weapons/WeaponKeys.h"

namespace {
void KeepIfFinite(float read, float& value) {
    if (std::isfinite(read)) value = read;
}
}  // namespace

void ReadDamage(const WeaponDef& def, ShotDamage& damage) {
    Vec2 pair{damage.health, damage.armour};
    ReadKey(def, "Power", pair);
    KeepIfFinite(pair.x, damage.health);
    KeepIfFinite(pair.y, damage.armour);
}

void ReadFinite(const WeaponDef& def, const std::string& key, float& value) {
    float read = value;
    ReadKey(def, key, read);
    KeepIfFinite(read, value);
}

int ReadSound(const WeaponDef& def, const std::string& key, const Arena& arena) {
    const std::string& file = def.Value(key);
    return file.empty() ? -1 : arena.FindSound(file);
}
