#pragma once

#include "weapons/effects/Particle.h"

class Player;

// A severed head: flies like a particle, and a headless player it touches (once it has flown a
// little) gets it back. When its life is over it bursts into blood.
class FlyingHead : public Particle {
public:
    // Steps a head flies before a neck can catch it: it must leave the one it came off.
    static constexpr float kCatchAge = 20.0f;
    // How near a headless neck must be to catch it.
    static constexpr float kCatchDistance = 10.0f;

    // The setup's box is the head's full size, not half of it.
    explicit FlyingHead(const ParticleSetup& setup);

    void Update(Arena& arena) override;

private:
    // The nearest headless player in play whose neck is in reach; the lower number on a tie.
    Player* Catcher(Arena& arena) const;
    void Burst(Arena& arena) const;
};
