#pragma once

#include "arena/LiveObject.h"
#include "core/Vec2.h"

// The flash at a muzzle: five steps, fading from bright to nothing.
class MuzzleFlash : public LiveObject {
public:
    MuzzleFlash(int sprite, Vec2 position, float angle = 0.0f, float scale = 1.0f)
        : sprite_(sprite), position_(position), angle_(angle), scale_(scale) {}

    void Update(Arena& arena) override;
    void Draw(const View& view) const override;

    float Life() const { return life_; }
    Vec2 Position() const { return position_; }

private:
    int sprite_;
    float life_ = 5.0f;
    Vec2 position_;
    float angle_;  // degrees
    float scale_;
};
