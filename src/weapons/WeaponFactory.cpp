#include "weapons/WeaponFactory.h"

#include <array>

#include "weapons/Weapon.h"
#include "weapons/WeaponDef.h"
#include "weapons/kinds/WeaponBlaster.h"
#include "weapons/kinds/WeaponFlamer.h"
#include "weapons/kinds/WeaponGL.h"
#include "weapons/kinds/WeaponM4.h"
#include "weapons/kinds/WeaponPlatinum.h"
#include "weapons/kinds/WeaponSG.h"
#include "weapons/kinds/WeaponSR.h"

namespace {
using Maker = std::unique_ptr<Weapon> (*)();

template <typename Kind>
std::unique_ptr<Weapon> Make() {
    return std::make_unique<Kind>();
}

std::unique_ptr<Weapon> MakeNothing() { return nullptr; }

// Indexed by WeaponKind. The rocket launcher's kind builds nothing.
constexpr std::array<Maker, 9> kMakers = {
    &Make<Weapon>,   &Make<WeaponPlatinum>, &Make<WeaponGL>,
    &Make<WeaponM4>, &Make<WeaponSR>,       &MakeNothing,
    &Make<WeaponSG>, &Make<WeaponFlamer>,   &Make<WeaponBlaster>,
};
}  // namespace

std::unique_ptr<Weapon> BuildWeapon(const WeaponDef& def, const Arena& arena) {
    const int kind = static_cast<int>(def.kind);
    // A kind outside the table makes the plain weapon, as kind 0 does.
    const bool known = kind >= 0 && kind < static_cast<int>(kMakers.size());
    const Maker make = known ? kMakers[static_cast<std::size_t>(kind)] : &Make<Weapon>;
    auto weapon = make();
    if (weapon) weapon->Read(def, arena);
    return weapon;
}
