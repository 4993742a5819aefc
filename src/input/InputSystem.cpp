#include "input/InputSystem.h"

#include <algorithm>
#include <fstream>
#include <istream>
#include <iterator>
#include <string_view>

#include "core/DataLine.h"
#include "core/Log.h"
#include "input/InputListener.h"

namespace {
// A device that keeps answering "input lost" is given up on for this frame.
constexpr int kMaxReacquireAttempts = 8;

constexpr int kMouseButtons[] = {Button::kMouseLeft, Button::kMouseRight, Button::kMouseMiddle};
constexpr ButtonDevice kBindableDevices[] = {ButtonDevice::Mouse, ButtonDevice::Pad};

int DeviceIndex(ButtonDevice device) { return static_cast<int>(device); }

bool TakesConsoleTyping(int key) {
    return (key >= Key::kA && key <= Key::kZ) || (key >= Key::kDigit0 && key <= Key::kDigit9) ||
           key == Key::kSpace || key == Key::kEnter || key == Key::kMinus ||
           key == Key::kFullStop || key == Key::kBackspace;
}

// Keys the open console keeps for itself (recall, completion, scrolling): while one pressed
// there is held, the match does not see it held either, so Up recalls a line without aiming.
bool ConsoleOwnsKey(int key) {
    return key == Key::kUpArrow || key == Key::kDownArrow || key == Key::kTab ||
           key == Key::kPageUp || key == Key::kPageDown;
}
}  // namespace

InputSystem::InputSystem(Log& log, std::unique_ptr<KeyboardDevice> device)
    : log_(log), device_(std::move(device)) {
    if (!Initialize()) log_.Line("Error while initializing DirectInput.");
    const auto& keys = KeyTable();
    for (int key = 1; key < kKeyCount; ++key) {
        keyToScan_[key] = keys[key].scanCode;
        scanToKey_[keys[key].scanCode] = key;
        if (keys[key].bindName != nullptr) keyNames_.emplace(keys[key].bindName, key);
    }
    const auto& actions = ActionTable();
    for (int action = 0; action < kActionCount; ++action) {
        actions_[action] = actions[action].defaultKey;
        actionButtons_[action][DeviceIndex(ButtonDevice::Pad)] = actions[action].defaultPadButton;
        if (actions[action].name != nullptr) actionNames_.emplace(actions[action].name, action);
    }
}

InputSystem::~InputSystem() { Shutdown(); }

bool InputSystem::Initialize() {
    log_.Line("Initializing DirectInput...");
    if (!device_ || device_->Acquire() != AcquireResult::Ok) {
        Shutdown();
        return false;
    }
    return true;
}

void InputSystem::Shutdown() {
    log_.Line("Shutting down DirectInput...");
    if (device_) {
        device_->Unacquire();
        device_.reset();
    }
}

void InputSystem::Poll(InputListener& listener) {
    PollKeyboard(listener);
    PollGamepad(listener);
}

void InputSystem::PollKeyboard(InputListener& listener) {
    if (!device_) return;
    device_->ReadState(state_);
    if (device_->ReadEvents(events_) != KeyReadResult::Ok) {
        Reacquire();
        return;
    }
    for (const KeyEvent& event : events_)
        Dispatch(event, listener);
}

void InputSystem::AttachGamepad(std::unique_ptr<GamepadDevice> pad) {
    pad_ = std::move(pad);
    padHeld_.reset();  // nothing the last pad held stays held
}

void InputSystem::PollGamepad(InputListener& listener) {
    if (!pad_) return;
    pad_->ReadState(padHeld_);
    pad_->ReadEvents(padEvents_);
    if (padEvents_.size() > GamepadDevice::kMaxEvents) padEvents_.resize(GamepadDevice::kMaxEvents);
    for (const ButtonEvent& event : padEvents_)
        Dispatch(event, listener);
}

void InputSystem::OnMouseButton(MouseButton button, bool down, InputListener& listener) {
    const auto index = static_cast<std::size_t>(button);
    if (index >= std::size(kMouseButtons)) return;
    mouseHeld_[kMouseButtons[index]] = down;
    Dispatch(ButtonEvent{kMouseButtons[index], down}, listener);
}

void InputSystem::Reacquire() {
    for (int attempt = 0; attempt < kMaxReacquireAttempts; ++attempt) {
        if (device_->Acquire() != AcquireResult::InputLost) return;
    }
}

void InputSystem::Dispatch(const KeyEvent& event, InputListener& listener) {
    const int key = scanToKey_[event.scanCode];
    if (!event.pressed) {
        heldByConsole_[key] = false;
        const Command command = releaseCommands_[event.scanCode];
        if (command != Command::None && !listener.TakesKey(key)) {
            listener.OnCommand(command);
        } else {
            listener.OnKeyUp(key);
        }
        return;
    }
    // The console key belongs to the console whatever else it is bound to.
    if (key == Key::kGrave) {
        listener.ToggleConsole();
    } else if (listener.IsConsoleOpen() && ConsoleOwnsKey(key)) {
        heldByConsole_[key] = true;
        listener.OnConsoleKey(key);
    } else if (listener.IsConsoleOpen() && TakesConsoleTyping(key)) {
        listener.OnConsoleKey(key);
    } else if (const Command command = pressCommands_[event.scanCode];
               // A key the listener takes (an open map editor's Q) is a key, bound or not.
               command != Command::None && !listener.TakesKey(key)) {
        listener.OnCommand(command);
    } else {
        listener.OnKeyDown(key);
    }
}

void InputSystem::Dispatch(const ButtonEvent& event, InputListener& listener) const {
    if (!InRange(event.button, kButtonCount) || event.button == Button::kNone) return;
    const Command command =
        (event.pressed ? buttonPressCommands_ : buttonReleaseCommands_)[event.button];
    // The pad's Back belongs to the console, as the key left of 1 does.
    if (event.pressed && event.button == Button::kPadBack) {
        listener.ToggleConsole();
    } else if (command != Command::None) {
        listener.OnCommand(command);
    }
}

bool InputSystem::IsKeyDown(int key) const {
    if (!InRange(key, kKeyCount) || key == Key::kNone || heldByConsole_[key]) return false;
    return (state_[keyToScan_[key]] & 0x80) != 0;
}

bool InputSystem::IsButtonDown(int button) const {
    if (!InRange(button, kButtonCount) || button == Button::kNone) return false;
    const bool mouse = ButtonTable()[button].device == ButtonDevice::Mouse;
    return mouse ? mouseHeld_[button] : padHeld_[button];
}

bool InputSystem::IsActionDown(int action) const {
    if (!InRange(action, kActionCount)) return false;
    const ActionButtons& buttons = actionButtons_[action];
    return IsKeyDown(actions_[action]) || IsButtonDown(ActionTable()[action].stick) ||
           std::any_of(buttons.begin(), buttons.end(), [this](int b) { return IsButtonDown(b); });
}

int InputSystem::ActionKey(int action) const {
    return InRange(action, kActionCount) ? actions_[action] : Key::kNone;
}

int InputSystem::ActionButton(int action, ButtonDevice device) const {
    return InRange(action, kActionCount) ? actionButtons_[action][DeviceIndex(device)]
                                         : Button::kNone;
}

bool InputSystem::IsButtonBound(int button) const {
    if (button == Button::kNone) return false;
    return std::any_of(actionButtons_.begin(), actionButtons_.end(), [button](const auto& buttons) {
        return std::find(buttons.begin(), buttons.end(), button) != buttons.end();
    });
}

void InputSystem::SetKeyPressCommand(int key, Command command) {
    if (InRange(key, kKeyCount) && key != Key::kNone) pressCommands_[keyToScan_[key]] = command;
}

void InputSystem::SetKeyReleaseCommand(int key, Command command) {
    if (InRange(key, kKeyCount) && key != Key::kNone) releaseCommands_[keyToScan_[key]] = command;
}

void InputSystem::SetButtonPressCommand(int button, Command command) {
    if (InRange(button, kButtonCount) && button != Button::kNone)
        buttonPressCommands_[button] = command;
}

void InputSystem::SetButtonReleaseCommand(int button, Command command) {
    if (InRange(button, kButtonCount) && button != Button::kNone) {
        buttonReleaseCommands_[button] = command;
    }
}

// The command follows the action to its key and to each of its buttons.
void InputSystem::SetActionPressCommand(int action, Command command) {
    SetKeyPressCommand(ActionKey(action), command);
    for (const ButtonDevice device : kBindableDevices)
        SetButtonPressCommand(ActionButton(action, device), command);
}

void InputSystem::SetActionReleaseCommand(int action, Command command) {
    SetKeyReleaseCommand(ActionKey(action), command);
    for (const ButtonDevice device : kBindableDevices)
        SetButtonReleaseCommand(ActionButton(action, device), command);
}

Command InputSystem::PressCommandOfKey(int key) const {
    if (!InRange(key, kKeyCount) || key == Key::kNone) return Command::None;
    return pressCommands_[keyToScan_[key]];
}

void InputSystem::LoadBinds(const std::filesystem::path& fileName) {
    std::ifstream file(fileName);
    ReadBinds(file);
}

void InputSystem::ReadBinds(std::istream& in) {
    // Longer lines are cut rather than read on as a line of their own.
    for (std::string line; ReadDataLine(in, line);)
        ApplyBindingLine(line);
}

void InputSystem::ApplyBindingLine(const std::string& line) {
    const std::string_view text(line);
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) return;
    const std::string_view actionName = text.substr(0, equals);
    std::string_view keyName = text.substr(equals + 1);
    keyName = keyName.substr(0, keyName.find('='));
    const auto action = actionNames_.find(actionName);
    // Unknown names and empty lines bind nothing rather than rebinding the first action.
    if (action == actionNames_.end()) return;
    if (const auto key = keyNames_.find(keyName); key != keyNames_.end()) {
        actions_[action->second] = key->second;
    } else if (const int button = ButtonByBindName(keyName); button != Button::kNone) {
        actionButtons_[action->second][DeviceIndex(ButtonTable()[button].device)] = button;
    }
}
