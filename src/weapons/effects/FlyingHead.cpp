#include "weapons/effects/FlyingHead.h"
FlyingHead::FlyingHead(const ParticleSetup& setup) : Particle(setup) {}
void FlyingHead::Update(Arena& arena) { Particle::Update(arena); }
