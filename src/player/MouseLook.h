#pragma once

#include "core/Screen.h"

class CursorDevice;
class Player;

// The human turns and aims with the mouse: each frame the cursor's movement away from the
// centre of the screen is read, and the cursor goes back to the centre.
class MouseLook {
public:
    // Sideways movement within this many pixels does not turn the player.
    static constexpr int kDeadZone = 6;
    static constexpr int kCentreX = kScreenWidth / 2;
    static constexpr int kCentreY = kScreenHeight / 2;
    // Cursor positions are held within this far of 0, beyond any window, so the dead-zone sums
    // cannot overflow whatever a device or a script reports.
    static constexpr int kCursorReach = 1 << 20;

    explicit MouseLook(CursorDevice& cursor) : cursor_(cursor) {}

    void Apply(Player& player, float step);

private:
    CursorDevice& cursor_;
    // -1 until the cursor was first put at the centre; nothing is read before that.
    int rememberedX_ = -1;
    int rememberedY_ = -1;
};
