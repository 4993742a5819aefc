#pragma once

#include "arena/LiveObject.h"
#include "weapons/effects/ParticleSetup.h"

// A sprite that flies, spins, grows and fades for a while: smoke, blood, respawn sparkles.
class Particle : public LiveObject {
public:
    // Fall acceleration per step before the particle's own gravity factor.
    static constexpr float kFall = 0.07f;

    explicit Particle(const ParticleSetup& setup) : state_(setup) {}

    void Update(Arena& arena) override;
    void Draw(const View& view) const override;

    Vec2 Position() const { return state_.position; }
    Vec2 Velocity() const { return state_.velocity; }
    float Age() const { return age_; }
    float Scale() const { return state_.scale; }
    float Alpha() const { return state_.alpha; }

protected:
    const ParticleSetup& Setup() const { return state_; }

private:
    // Moves by the step, stopped and bounced by the map when it collides.
    void Move(Arena& arena, float step);

    ParticleSetup state_;
    float age_ = 0.0f;
};
