#include "weapons/effects/FlyingHelmet.h"
FlyingHelmet::FlyingHelmet(int sprite, Vec2 position, Vec2 velocity)
    : sprite_(sprite), position_(position), velocity_(velocity), spin_(1.0f) {}
void FlyingHelmet::Update(Arena& /*arena*/) { SetFinished(); }
void FlyingHelmet::Draw(const View& /*view*/) const {}
