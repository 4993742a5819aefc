#pragma once

#include <cstdint>
#include <string>

#include "core/Vec2.h"

// What an item placement gives; the map file stores the number.
enum ItemKind : std::int32_t {
    kItemSmallHealth = 0,
    kItemAmmo = 1,
    kItemArmour = 2,
    kItemWeapon = 3,
    kItemMediumHealth = 4,
    kItemMegaHealth = 5,
};

// A pick-up placed on the map. Only kind, position and weapon name are saved; the pulse,
// timer and flags start afresh with every load.
class ItemSpawn {
public:
    void SetKind(std::int32_t kind) { kind_ = kind; }
    void SetPosition(Vec2 position) { position_ = position; }
    void SetWeaponName(const std::string& name) { weaponName_ = name; }
    std::int32_t Kind() const { return kind_; }
    Vec2 Position() const { return position_; }
    const std::string& WeaponName() const { return weaponName_; }

    float pulse = 0.0f;
    bool pulseRising = true;
    float respawnTimer = 100.0f;
    bool available = false;
    // Whether the last update left it to be seen: it was there, even if taken in that update.
    bool shown = false;

private:
    Vec2 position_{400.0f, 200.0f};
    std::int32_t kind_ = kItemSmallHealth;
    std::string weaponName_ = "None";
};
