#include "weapons/projectiles/DealDamage.h"

#include "player/Player.h"

bool DealDamage(Arena& arena, Player& victim, float healthDamage, float armourDamage, int owner) {
    if (victim.Armour() > 0.0f) {
        victim.DamageArmour(armourDamage, arena);
        return true;
    }
    victim.TakeDamage(healthDamage, owner, arena);
    return false;
}
