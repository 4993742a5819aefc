// The app's side of input: the commands bound at start, and the keys, buttons and console
// lines handed to the running match, or dropped on the menu.
#include <memory>

#include "app/App.h"
#include "app/ConsoleCommands.h"
#include "console/Console.h"
#include "game/Game.h"
#include "input/InputSystem.h"
#include "input/KeyTable.h"

namespace {
// The commands keys, pad buttons and actions send, installed in this order once the bindings are
// read: an action's command follows the key and the buttons the bindings file gave it.
enum class BoundTo { Key, Button, Action };

struct CommandBinding {
    BoundTo kind;
    int number;
    Command command;
};

constexpr CommandBinding kCommandBindings[] = {
    {BoundTo::Key, Key::kEscape, Command::Leave},
    {BoundTo::Key, Key::kEnter, Command::MuzzleFlash},
    {BoundTo::Key, Key::kF9, Command::Screenshot},
    {BoundTo::Key, Key::kV, Command::EditOrPreview},
    {BoundTo::Key, Key::kF11, Command::AnimEditor},
    {BoundTo::Key, Key::kF12, Command::MapEditor},
    {BoundTo::Key, Key::kU, Command::LegsOrArms},
    {BoundTo::Button, Button::kPadStart, Command::Leave},
    {BoundTo::Button, Button::kPadX, Command::BulletTime},
    {BoundTo::Action, Action::kFirePrimary, Command::FirePrimary},
    {BoundTo::Action, Action::kFireSecondary, Command::FireSecondary},
    {BoundTo::Action, Action::kNextWeapon, Command::NextWeapon},
    {BoundTo::Action, Action::kPrevWeapon, Command::PrevWeapon},
    {BoundTo::Action, Action::kCrouch, Command::Crouch},
    {BoundTo::Key, Key::kF6, Command::SlowMotion},
    {BoundTo::Key, Key::kFullStop, Command::FullStop},
    {BoundTo::Key, Key::kKeypadPlus, Command::KeypadPlus},
};

void Install(InputSystem& input, const CommandBinding& binding) {
    using Setter = void (InputSystem::*)(int, Command);
    static constexpr Setter kSetters[] = {&InputSystem::SetKeyPressCommand,
                                          &InputSystem::SetButtonPressCommand,
                                          &InputSystem::SetActionPressCommand};
    (input.*kSetters[static_cast<int>(binding.kind)])(binding.number, binding.command);
}
}  // namespace

void App::LoadBindings(std::unique_ptr<KeyboardDevice> keyboard,
                       std::unique_ptr<GamepadDevice> gamepad) {
    input_ = std::make_unique<InputSystem>(log_, std::move(keyboard));
    input_->AttachGamepad(std::move(gamepad));
    // A player's bindings replace the shipped ones whole.
    input_->LoadBinds(folders_.ReadPath("binds.cfg"));
    for (const CommandBinding& binding : kCommandBindings)
        Install(*input_, binding);
}

void App::ExecuteCommand(const std::string& line) { RunConsoleCommand(*this, line); }

bool App::IsConsoleOpen() const { return console_ && console_->IsOpen(); }

void App::ToggleConsole() {
    if (console_) console_->Toggle();
}

void App::OnConsoleKey(int key) {
    if (!console_) return;
    const bool shift =
        input_ && (input_->IsKeyDown(Key::kLeftShift) || input_->IsKeyDown(Key::kRightShift));
    console_->OnKey(key, shift);
}

void App::OnCommand(Command command) {
    if (command == Command::None) return;
    if (game_) {
        game_->OnCommand(command);
        return;
    }
    // On the menu commands are dropped, and the log says so, which is how a replayed script
    // shows its keys arrived.
    log_.Line("Command %d: no match is running.", static_cast<int>(command));
}

// Unbound keys go to the running match; the menu has no use for them.
void App::OnKeyDown(int key) {
    if (game_) game_->OnKeyDown(key);
}

void App::OnKeyUp(int key) {
    if (game_) game_->OnKeyUp(key);
}

bool App::TakesKey(int key) const { return game_ && game_->TakesKey(key); }

void App::OnMouseButton(MouseButton button, bool down) {
    // A bound button holds its action and sends its command like a key; the match's own click
    // handling below still runs (the editors click with it).
    if (input_) input_->OnMouseButton(button, down, *this);
    if (!game_) {
        // On the menu a left click clicks.
        if (button == MouseButton::Left && down) PlaySound(0, kSoundVolume, kSoundFrequency, false);
        return;
    }
    if (button == MouseButton::Left) {
        if (down) {
            game_->OnLeftButtonDown();
        } else {
            game_->OnLeftButtonUp();
        }
    } else if (button == MouseButton::Right && down) {
        game_->OnRightButtonDown();
    }
}
