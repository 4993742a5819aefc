#pragma once

#include "weapons/effects/Particle.h"

// A severed head: flies like a particle, and a headless player it touches (once it has flown a
// little) gets it back. When its life is over it bursts into blood.
class FlyingHead : public Particle {
public:
    // The setup's box is the head's full size, not half of it.
    explicit FlyingHead(const ParticleSetup& setup);

    void Update(Arena& arena) override;
};
