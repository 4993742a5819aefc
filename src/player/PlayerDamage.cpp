// How a player is hurt, dies and is credited: stubs until damage lands.
#include "player/Player.h"

void Player::Fragged(Player& /*victim*/, Arena& /*arena*/) {}
void Player::CreditKill(int /*killer*/, Arena& /*arena*/) {}
void Player::TakeDamage(float amount, int attacker, Arena& arena) {
    if (!inPlay_ || godMode_) return;
    health_ -= amount;
    if (health_ < 1.0f) Die(attacker, arena);
}
void Player::DamageArmour(float amount, Arena& /*arena*/) {
    if (!inPlay_ || godMode_ || armour_ <= 0.0f) return;
    armour_ -= amount;
    if (armour_ <= 0.0f) armour_ = 0.0f;
}
void Player::LoseHead(int attacker, Arena& /*arena*/) {
    if (godMode_) return;
    hasHead_ = false;
    lastAttacker_ = attacker;
}
void Player::Gib(Arena& /*arena*/, Vec2 /*from*/, bool /*directional*/, bool /*wide*/) {}
void Player::BreakArmour(Arena& /*arena*/, Vec2 /*from*/, bool /*directional*/, bool /*wide*/) {}
PlayerHit Player::TraceShot(const Segment& /*shot*/) const { return {}; }
void Player::PickUpWeapon(const std::string& /*section*/, Arena& /*arena*/) {}
void Player::Bleed(Arena& /*arena*/) {}
