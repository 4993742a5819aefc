#pragma once

#include <cstddef>
#include <memory>
#include <vector>

class Weapon;

// The weapons a player owns, in pick-up order, and which one is in hand. A copy starts empty:
// the match fills its player array with copies of one model player, and weapons are never
// shared between players.
class CarriedWeapons {
public:
    CarriedWeapons();
    ~CarriedWeapons();
    CarriedWeapons(const CarriedWeapons& other);
    CarriedWeapons& operator=(const CarriedWeapons& other);
    CarriedWeapons(CarriedWeapons&&) noexcept;
    CarriedWeapons& operator=(CarriedWeapons&&) noexcept;

    // Drops every weapon; none is in hand.
    void Clear();
    // Appends a weapon; nothing for none.
    void Add(std::unique_ptr<Weapon> weapon);
    void Select(int index);
    // Along the list, wrapping at both ends.
    void Next();
    void Previous();

    Weapon* Current() const;
    int CurrentIndex() const { return current_; }
    int Count() const { return static_cast<int>(weapons_.size()); }
    Weapon& At(int index) const { return *weapons_.at(static_cast<std::size_t>(index)); }

private:
    std::vector<std::unique_ptr<Weapon>> weapons_;
    int current_ = -1;  // -1: none in hand
};
