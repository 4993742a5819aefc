#pragma once

#include "arena/LiveObject.h"
#include "core/Vec2.h"

// The M4's rocket: falls slowly, trails smoke, and explodes on the first player or platform it
// meets; it leaves the map's bounds silently.
class Rocket : public LiveObject {
public:
    Rocket(int owner, int sprite, Vec2 position, Vec2 velocity);

    void Update(Arena& arena) override;
    void Draw(const View& view) const override;

    Vec2 Position() const { return position_; }

private:
    int owner_;
    int sprite_;
    float smokeTimer_ = 2.0f;
    Vec2 position_;
    Vec2 velocity_;
};
