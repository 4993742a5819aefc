#pragma once

class Arena;
class Player;

// A hit on a player: armour, while he has any, takes `armourDamage` and spares his health;
// otherwise his health takes `healthDamage`, credited to `owner`. True when armour took it.
bool DealDamage(Arena& arena, Player& victim, float healthDamage, float armourDamage, int owner);
