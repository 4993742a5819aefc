#include "weapons/projectiles/Flame.h"
Flame::Flame(int owner, int sprite, Vec2 position, Vec2 velocity, float burns)
    : owner_(owner), sprite_(sprite), position_(position), velocity_(velocity), spin_(0.0f),
      rotation_(0.0f), burns_(burns), life_(90.0f), fade_(3.5f) {}
void Flame::Update(Arena& /*arena*/) { SetFinished(); }
void Flame::Draw(const View& /*view*/) const {}
