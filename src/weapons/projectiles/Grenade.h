#pragma once

#include "arena/LiveObject.h"
#include "core/Vec2.h"

// A grenade: bounces off the map until it comes to rest, and explodes 200 steps after it was
// thrown, or at once below the bottom of the map.
class Grenade : public LiveObject {
public:
    // Steps from the throw to the blast.
    static constexpr float kFuse = 200.0f;
    // Reach of the blast: full damage at its centre, none at this distance.
    static constexpr float kBlastRadius = 150.0f;

    // `age` starts above 0 for a grenade meant to burst sooner.
    Grenade(int owner, int sprite, Vec2 position, Vec2 velocity, float age = 0.0f);

    void Update(Arena& arena) override;
    void Draw(const View& view) const override;
    std::optional<ObjectState> Export() const override;

    Vec2 Position() const { return position_; }
    Vec2 Velocity() const { return velocity_; }
    float Age() const { return age_; }

private:
    void Bounce(int side);
    void Explode(Arena& arena);

    int owner_;
    int sprite_;
    Vec2 position_;
    Vec2 velocity_;
    float age_;
    float spin_;
    float rotation_ = 0.0f;
};
