#include "weapons/WeaponFile.h"

// Stub until the reader lands.
std::vector<WeaponDef> LoadWeaponFile(const std::filesystem::path& /*path*/,
                                      const WeaponLogLine& /*log*/) {
    return {};
}
std::vector<WeaponDef> ReadWeaponFile(std::istream& /*in*/, const std::string& /*path*/,
                                      const WeaponLogLine& /*log*/) {
    return {};
}
void ReadWeaponSection(std::istream& /*in*/, WeaponDef& /*def*/) {}
int FindWeaponDef(const std::vector<WeaponDef>& defs, const std::string& name) {
    for (std::size_t i = 0; i < defs.size(); ++i) {
        if (defs[i].name == name) return static_cast<int>(i);
    }
    return -1;
}
