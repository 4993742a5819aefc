#pragma once

#include <memory>

class Arena;
class Weapon;
struct WeaponDef;

// A new weapon of the section's kind that has read its keys; none for a kind that builds
// nothing ("RL").
std::unique_ptr<Weapon> BuildWeapon(const WeaponDef& def, const Arena& arena);
