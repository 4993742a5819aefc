#pragma once

#include "core/Vec2.h"
#include "weapons/LiveObject.h"

// A sprite that flies, spins, grows and fades for a while: smoke, blood, respawn sparkles.
// Spawners make one, set what differs from the defaults, and hand it to the match.
class Particle : public LiveObject {
public:
    // Fall acceleration per step before the particle's own gravity factor.
    static constexpr float kFall = 0.07f;

    void Update(Arena& arena) override;

    void SetCollides(bool on) { collides_ = on; }
    void SetPosition(Vec2 p) { position_ = p; }
    void SetVelocity(Vec2 v) { velocity_ = v; }
    void SetRotation(float degrees) { rotation_ = degrees; }
    void SetSpin(float degreesPerStep) { spin_ = degreesPerStep; }
    void SetGravity(float factor) { gravity_ = factor; }
    void SetBounce(float factor) { bounce_ = factor; }
    void SetBox(float halfWidth, float halfHeight) { box_ = Vec2{halfWidth, halfHeight}; }
    void SetLife(float steps) { life_ = steps; }
    void SetScale(float scale) { scale_ = scale; }
    void SetGrowth(float perStep) { growth_ = perStep; }
    void SetAlpha(float alpha) { alpha_ = alpha; }
    void SetFade(float perStep) { fade_ = perStep; }
    void SetSprite(int position) { sprite_ = position; }

    Vec2 Position() const { return position_; }
    Vec2 Velocity() const { return velocity_; }
    float Age() const { return age_; }
    float Scale() const { return scale_; }
    float Alpha() const { return alpha_; }

protected:
    // Moves by the step, stopped and bounced by the map when it collides; true on a contact.
    bool Move(Arena& arena, float step);
    void Draw(Arena& arena) const;

private:
    bool collides_ = true;
    Vec2 position_;
    Vec2 velocity_;
    float age_ = 0.0f;
    float rotation_ = 0.0f;
    float spin_ = 0.0f;
    float gravity_ = 1.0f;
    float bounce_ = 1.0f;
    Vec2 box_{1.0f, 1.0f};
    float life_ = 100.0f;
    float scale_ = 1.0f;
    float growth_ = 0.0f;
    float alpha_ = 255.0f;
    float fade_ = 0.0f;
    int sprite_ = -1;
};
