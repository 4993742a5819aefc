#pragma once

#include "arena/LiveObject.h"
#include "core/Vec2.h"

// A helmet shot off a head: bounces, settles, and fades out between its ages 150 and 400.
class FlyingHelmet : public LiveObject {
public:
    static constexpr float kFadeStart = 150.0f;
    static constexpr float kLife = 400.0f;

    FlyingHelmet(int sprite, Vec2 position, Vec2 velocity);

    void Update(Arena& arena) override;
    void Draw(const View& view) const override;

    Vec2 Position() const { return position_; }
    Vec2 Velocity() const { return velocity_; }
    float Age() const { return age_; }
    // Opaque until the fade starts, then a step of alpha per step of age.
    float Alpha() const;

private:
    void Bounce(int side);

    int sprite_;
    Vec2 position_;
    Vec2 velocity_;
    float age_ = 0.0f;
    float spin_;
    float rotation_ = 0.0f;
};
