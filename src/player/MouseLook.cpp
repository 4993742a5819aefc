#include "player/MouseLook.h"

#include <algorithm>

#include "input/CursorDevice.h"
#include "player/Player.h"

void MouseLook::Apply(Player& player, float step) {
    int x = 0;
    int y = 0;
    cursor_.GetCursorPos(x, y);
    x = std::clamp(x, -kCursorReach, kCursorReach);
    y = std::clamp(y, -kCursorReach, kCursorReach);
    if (rememberedX_ != -1) {
        if (rememberedX_ < x - kDeadZone) {
            player.SetFacing(Facing::Right);
        } else if (x + kDeadZone < rememberedX_) {
            player.SetFacing(Facing::Left);
        }
        // Twice: the mouse aims faster than the keys.
        if (rememberedY_ < y) {
            player.AimDown(step);
            player.AimDown(step);
        } else if (y < rememberedY_) {
            player.AimUp(step);
            player.AimUp(step);
        }
    }
    rememberedX_ = kCentreX;
    rememberedY_ = kCentreY;
    cursor_.SetCursorPos(kCentreX, kCentreY);
}
