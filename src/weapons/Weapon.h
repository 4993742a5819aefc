#pragma once

#include <string>

#include "core/Vec2.h"

class Arena;
class Player;
class View;
enum class Facing;
struct WeaponDef;

// A weapon a player carries, built from a section of the weapon file. The kinds override what
// they do when fired; the base does nothing, so a section of unknown kind still makes a weapon
// that can be carried, drawn and switched to.
class Weapon {
public:
    Weapon() = default;
    virtual ~Weapon() = default;
    Weapon(const Weapon&) = delete;
    Weapon& operator=(const Weapon&) = delete;

    // Takes the keys this kind understands from its section; sprites and sounds are looked up
    // by name in the match. A kind reads the common keys through the base first.
    virtual void Read(const WeaponDef& def, const Arena& arena);

    // The fire controls: a press of FirePrimary or FireSecondary, and every frame either is held.
    virtual void PressPrimary(Player& /*owner*/, Arena& /*arena*/) {}
    virtual void HoldPrimary(Player& /*owner*/, Arena& /*arena*/) {}
    virtual void PressSecondary(Player& /*owner*/, Arena& /*arena*/) {}
    virtual void HoldSecondary(Player& /*owner*/, Arena& /*arena*/) {}
    // Once a frame for every weapon carried, not only the one in hand.
    virtual void Tick(Player& /*owner*/, Arena& /*arena*/) {}
    // 1 for a sidearm that a picked-up weapon replaces in hand.
    virtual int KindId() const { return 0; }
    // Full ammunition again, for a second pick-up of the same weapon or the ammunition power-up.
    virtual void Refill() {}

    // Draws the weapon in the hand (world coordinates); the renderer is already mirrored for a
    // player facing right, and `angle` is the aim as the sprite must turn.
    void DrawInHand(Facing facing, Vec2 hand, float angle, const View& view) const;
    // What the weapon in hand shines into the world, unmirrored: the sniper's laser, the beam.
    virtual void DrawEffects(const View& /*view*/) const {}

    const std::string& Name() const { return name_; }
    const std::string& Section() const { return section_; }
    int Ammo() const { return ammo_; }
    int Sprite() const { return sprite_; }
    Vec2 HandOffset() const { return hand_; }
    Vec2 FireOffset() const { return fire_; }
    // Also how a network client's copy shows the host's count.
    void SetAmmo(int ammo) { ammo_ = ammo; }

protected:
private:
    std::string name_;
    int ammo_ = 0;
    std::string section_;
    Vec2 hand_;
    Vec2 fire_;
    int sprite_ = -1;
};
