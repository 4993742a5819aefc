// What a match does with the commands, keys and mouse buttons the program hands it.
#include "core/FrameTimer.h"
#include "game/Game.h"
#include "input/KeyTable.h"

namespace {
constexpr float kSlowMotion = 0.25f;
}  // namespace

void Game::OnCommand(int command) {
    if (animEditor_) {
        animEditor_->OnCommand(command);
        return;
    }
    if (mapEditor_) {
        mapEditor_->OnCommand(command);
        return;
    }
    switch (command) {
        case 1:
            finished_ = true;
            break;
        case 2:
            // A muzzle flash at the centre of the screen, once the effects exist.
            break;
        case 3:
            screenshots_.Take(services_.renderer);
            break;
        case 4:
        case 5:
            // Primary and secondary fire presses arrive with the weapons.
            break;
        case 6:
        case 7:
        case 8:
            // Crouch and weapon cycling arrive with the player's controls.
            break;
        case 20: {
            FrameTimer& timer = services_.timer;
            // Exactly 1.0: a second press while the scale is still easing turns it back.
            timer.SetTimeScaleTarget(timer.TimeScale() == 1.0f ? kSlowMotion : 1.0f);
            break;
        }
        case 21:
            if (!animEditor_ && Developer() && services_.openAnimEditor) {
                animEditor_ = services_.openAnimEditor(*this);
            }
            break;
        case 22:
            if (!mapEditor_ && Developer() && services_.openMapEditor) {
                mapEditor_ = services_.openMapEditor(*this);
            }
            break;
        default:
            break;
    }
}

void Game::OnKeyDown(int key) {
    if (mapEditor_) {
        mapEditor_->OnKeyDown(key);
        return;
    }
    if (key == Key::kTab) hideHud_ = !hideHud_;
    // W starts the human's bullet time, once players have it.
}

void Game::OnKeyUp(int key) {
    if (mapEditor_) mapEditor_->OnKeyUp(key);
}

void Game::OnLeftButtonDown() {
    if (animEditor_) {
        animEditor_->OnLeftButtonDown();
    } else if (mapEditor_) {
        mapEditor_->OnLeftButtonDown();
    }
    // In every mode the human in play then fires once, when weapons exist.
}

void Game::OnLeftButtonUp() {
    if (animEditor_) {
        animEditor_->OnLeftButtonUp();
    } else if (mapEditor_) {
        mapEditor_->OnLeftButtonUp();
    }
}

void Game::OnRightButtonDown() {
    if (animEditor_) {
        animEditor_->OnRightButtonDown();
    } else if (mapEditor_) {
        mapEditor_->OnRightButtonDown();
    }
}
