#pragma once

#include "arena/LiveObject.h"
#include "core/Vec2.h"

// A piece of a burst body: a black line that tumbles, bounces and comes to rest.
class FlyingLimb : public LiveObject {
public:
    // The piece of bone from p to q.
    FlyingLimb(Vec2 p, Vec2 q, Vec2 velocity);

    void Update(Arena& arena) override;
    void Draw(const View& view) const override;

    Vec2 Centre() const { return centre_; }
    Vec2 Velocity() const { return velocity_; }

private:
    float spin_;
    float angle_ = 0.0f;
    Vec2 centre_;
    Vec2 halfExtent_;  // from the centre to one end
    Vec2 velocity_;
};
