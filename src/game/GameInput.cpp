// What a match does with the commands, keys and mouse buttons the program hands it.
#include "core/FrameTimer.h"
#include "core/Screen.h"
#include "game/Game.h"
#include "input/InputSystem.h"
#include "input/KeyTable.h"
#include "weapons/Weapon.h"
#include "weapons/effects/MuzzleFlash.h"

namespace {
constexpr float kSlowMotion = 0.25f;
}  // namespace

void Game::OnCommand(Command command) {
    if (animEditor_) {
        animEditor_->OnCommand(command);
        return;
    }
    if (mapEditor_) {
        mapEditor_->OnCommand(command);
        return;
    }
    if (mirror_ && CountPress(command)) return;
    struct Entry {
        Command command;
        void (Game::*run)();
    };
    static constexpr Entry kCommands[] = {
        {Command::Leave, &Game::Finish},
        {Command::MuzzleFlash, &Game::FlashAtCentre},
        {Command::Screenshot, &Game::TakeScreenshot},
        {Command::FirePrimary, &Game::PressPrimary},
        {Command::FireSecondary, &Game::PressSecondary},
        {Command::Crouch, &Game::ToggleCrouch},
        {Command::NextWeapon, &Game::NextWeapon},
        {Command::PrevWeapon, &Game::PrevWeapon},
        {Command::SlowMotion, &Game::ToggleSlowMotion},
        {Command::BulletTime, &Game::StartBulletTime},
        {Command::AnimEditor, &Game::OpenAnimEditor},
        {Command::MapEditor, &Game::OpenMapEditor},
    };
    for (const Entry& entry : kCommands) {
        if (entry.command == command) (this->*entry.run)();
    }
}

void Game::Finish() { finished_ = true; }

// Taken as the frame is finished: between frames the back buffer holds nothing defined.
void Game::TakeScreenshot() { ++screenshotsAsked_; }

void Game::ToggleSlowMotion() {
    FrameTimer& timer = services_.timer;
    // Exactly 1.0: a second press while the scale is still easing turns it back.
    timer.SetTimeScaleTarget(timer.TimeScale() == 1.0f ? kSlowMotion : 1.0f);
}

// A test of the flash's look, in the middle of the screen.
void Game::FlashAtCentre() {
    AddObject(std::make_unique<MuzzleFlash>(sprites_.flash,
                                            Vec2{kScreenWidth / 2.0f, kScreenHeight / 2.0f}));
}

void Game::PressPrimary() {
    if (Weapon* weapon = HumanWeapon()) weapon->PressPrimary(players_.front(), *this);
}

void Game::PressSecondary() {
    if (Weapon* weapon = HumanWeapon()) weapon->PressSecondary(players_.front(), *this);
}

void Game::ToggleCrouch() {
    if (HumanInPlay()) players_.front().ToggleCrouch();
}

void Game::NextWeapon() {
    if (HumanInPlay()) players_.front().NextWeapon();
}

void Game::PrevWeapon() {
    if (HumanInPlay()) players_.front().PrevWeapon();
}

void Game::OpenAnimEditor() {
    if (!animEditor_ && Developer() && services_.openAnimEditor) {
        animEditor_ = services_.openAnimEditor(*this);
    }
}

void Game::OpenMapEditor() {
    if (!mapEditor_ && Developer() && services_.openMapEditor) {
        mapEditor_ = services_.openMapEditor(*this);
    }
}

void Game::OnKeyDown(int key) {
    if (mapEditor_) {
        mapEditor_->OnKeyDown(key);
        return;
    }
    if (key == Key::kTab) hideHud_ = !hideHud_;
    if (key == Key::kW && !(mirror_ && CountPress(Command::BulletTime))) StartBulletTime();
}

void Game::StartBulletTime() {
    if (!players_.empty()) players_.front().StartBulletTime(kBulletTime, *this);
}

void Game::OnKeyUp(int key) {
    if (mapEditor_) mapEditor_->OnKeyUp(key);
}

void Game::OnLeftButtonDown() {
    // While an editor is open, clicks are the editor's alone.
    if (animEditor_) {
        animEditor_->OnLeftButtonDown();
        return;
    }
    if (mapEditor_) {
        mapEditor_->OnLeftButtonDown();
        return;
    }
    // A click is one frame of held fire, unless the bindings gave the button an action: then it
    // holds that action as long as it is held, and one more frame would be a second shot.
    const bool bound = services_.input && services_.input->IsButtonBound(Button::kMouseLeft);
    if (mirror_ && !bound) clickPending_ = true;
    if (Weapon* weapon = HumanWeapon(); weapon && !bound && !mirror_)
        weapon->HoldPrimary(players_.front(), *this);
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
