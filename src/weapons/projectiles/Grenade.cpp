#include "weapons/projectiles/Grenade.h"
Grenade::Grenade(int owner, int sprite, Vec2 position, Vec2 velocity, float age)
    : owner_(owner), sprite_(sprite), position_(position), velocity_(velocity), age_(age),
      spin_(1.0f) {}
void Grenade::Update(Arena& /*arena*/) { SetFinished(); }
void Grenade::Draw(const View& /*view*/) const {}
