#include "player/CarriedWeapons.h"

#include "weapons/Weapon.h"

CarriedWeapons::CarriedWeapons() = default;
CarriedWeapons::~CarriedWeapons() = default;
CarriedWeapons::CarriedWeapons(const CarriedWeapons& /*other*/) {}
CarriedWeapons& CarriedWeapons::operator=(const CarriedWeapons& other) {
    if (this != &other) Clear();
    return *this;
}
CarriedWeapons::CarriedWeapons(CarriedWeapons&&) noexcept = default;
CarriedWeapons& CarriedWeapons::operator=(CarriedWeapons&&) noexcept = default;

void CarriedWeapons::Clear() {
    weapons_.clear();
    current_ = -1;
}

void CarriedWeapons::Add(std::unique_ptr<Weapon> weapon) {
    if (weapon) weapons_.push_back(std::move(weapon));
}

void CarriedWeapons::Select(int index) { current_ = index >= 0 && index < Count() ? index : -1; }

void CarriedWeapons::Next() {
    if (weapons_.empty()) return;
    current_ = current_ + 1 >= Count() ? 0 : current_ + 1;
}

void CarriedWeapons::Previous() {
    if (weapons_.empty()) return;
    current_ = current_ <= 0 ? Count() - 1 : current_ - 1;
}

Weapon* CarriedWeapons::Current() const {
    return current_ >= 0 && current_ < Count() ? weapons_[static_cast<std::size_t>(current_)].get()
                                               : nullptr;
}
