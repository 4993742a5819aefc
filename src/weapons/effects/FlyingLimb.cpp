#include "weapons/effects/FlyingLimb.h"
FlyingLimb::FlyingLimb(Vec2 p, Vec2 q, Vec2 velocity)
    : spin_(0.0f), centre_((p + q) * 0.5f), halfExtent_(q - centre_), velocity_(velocity) {}
void FlyingLimb::Update(Arena& /*arena*/) { SetFinished(); }
void FlyingLimb::Draw(const View& /*view*/) const {}
