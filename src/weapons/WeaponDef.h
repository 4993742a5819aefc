#pragma once

#include <map>
#include <string>

// What a "Template" names: the class a section builds. Kind 5 builds nothing.
enum class WeaponKind {
    Plain = 0,
    Platinum = 1,
    GL = 2,
    M4 = 3,
    SR = 4,
    RL = 5,
    SG = 6,
    Flamer = 7,
    Blaster = 8,
};

// One section of the weapon file: its name, its kind and its key lines as written.
struct WeaponDef {
    std::string name;
    WeaponKind kind = WeaponKind::Plain;
    std::map<std::string, std::string> keys;

    // The value of a key; empty for a key the section lacks.
    const std::string& Value(const std::string& key) const;
};
