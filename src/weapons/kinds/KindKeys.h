#pragma once

#include <string>

class Arena;
struct WeaponDef;

// The keys only some kinds read.

// What one hit takes: health from a target without armour, armour from one wearing it.
struct ShotDamage {
    float health = 0.0f;
    float armour = 0.0f;
};

// "Power" as a pair (health, armour).
void ReadDamage(const WeaponDef& def, ShotDamage& damage);
// The sound number of the file the key names; -1 (silence) when it is missing or unknown.
int ReadSound(const WeaponDef& def, const std::string& key, const Arena& arena);
