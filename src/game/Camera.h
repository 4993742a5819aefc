#pragma once

#include "core/Screen.h"
#include "core/Vec2.h"

// The match camera: eases towards its target and shakes after explosions. Its position is
// the world point shown at the centre of the screen.
class Camera {
public:
    Vec2 Position() const { return position_; }
    Vec2 Target() const { return target_; }
    float ShakeAmount() const { return shake_; }
    void SetPosition(Vec2 position) { position_ = position; }

    // The scroll offset for this frame: the centre moved to the top-left corner, truncated.
    int OffsetX() const;
    int OffsetY() const;

    // Moves a share of the way to the target; within 5 units it rests where it is.
    void Follow(Vec2 target, float step);
    // Jitters the position by up to the shake amount, which then dies away with the step.
    void ApplyShake(float step);
    // Raises the shake to the amount; a weaker shake never calms a stronger one.
    void Shake(float amount);

private:
    Vec2 position_{kScreenWidth / 2.0f, kScreenHeight / 2.0f};
    Vec2 target_{kScreenWidth / 2.0f, kScreenHeight / 2.0f};
    float shake_ = 0.0f;
};
