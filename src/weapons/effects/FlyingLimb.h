#pragma once

#include "arena/LiveObject.h"
#include "core/Vec2.h"

// A piece of a burst body: a black line that tumbles, bounces and comes to rest.
class FlyingLimb : public LiveObject {
public:
    // Steps at most, whatever it does: one caught rattling between platforms must still go.
    static constexpr float kMostLife = 2000.0f;

    // The piece of bone from p to q.
    FlyingLimb(Vec2 p, Vec2 q, Vec2 velocity);

    void Update(Arena& arena) override;
    void Draw(const View& view) const override;

    Vec2 Centre() const { return centre_; }
    Vec2 Velocity() const { return velocity_; }

private:
    // A contact with the map on `side`; false when the limb has come to rest.
    bool Bounce(int side);

    float spin_;
    float angle_ = 0.0f;  // degrees
    Vec2 centre_;
    Vec2 halfExtent_;  // from the centre to one end
    Vec2 velocity_;
    float age_ = 0.0f;
};
