#include "weapons/projectiles/Rocket.h"
Rocket::Rocket(int owner, int sprite, Vec2 position, Vec2 velocity)
    : owner_(owner), sprite_(sprite), position_(position), velocity_(velocity) {}
void Rocket::Update(Arena& /*arena*/) { SetFinished(); }
void Rocket::Draw(const View& /*view*/) const {}
