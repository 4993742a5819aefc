#include "input/InputSystem.h"

#include <fstream>
#include <istream>
#include <string_view>

#include "core/DataLine.h"
#include "core/Log.h"
#include "input/InputListener.h"

namespace {
// A device that keeps answering "input lost" is given up on for this frame.
constexpr int kMaxReacquireAttempts = 8;

bool TakesConsoleTyping(int key) {
    return (key >= Key::kA && key <= Key::kZ) || (key >= Key::kDigit0 && key <= Key::kDigit9) ||
           key == Key::kSpace || key == Key::kEnter || key == Key::kMinus ||
           key == Key::kFullStop || key == Key::kBackspace;
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
    if (!device_) return;
    device_->ReadState(state_);
    if (device_->ReadEvents(events_) != KeyReadResult::Ok) {
        Reacquire();
        return;
    }
    for (const KeyEvent& event : events_)
        Dispatch(event, listener);
}

void InputSystem::Reacquire() {
    for (int attempt = 0; attempt < kMaxReacquireAttempts; ++attempt) {
        if (device_->Acquire() != AcquireResult::InputLost) return;
    }
}

void InputSystem::Dispatch(const KeyEvent& event, InputListener& listener) const {
    const int key = scanToKey_[event.scanCode];
    if (!event.pressed) {
        if (const Command command = releaseCommands_[event.scanCode]; command != Command::None) {
            listener.OnCommand(command);
        } else {
            listener.OnKeyUp(key);
        }
        return;
    }
    // The console key belongs to the console whatever else it is bound to.
    if (key == Key::kGrave) {
        listener.ToggleConsole();
    } else if (listener.IsConsoleOpen() && TakesConsoleTyping(key)) {
        listener.OnConsoleKey(key);
    } else if (const Command command = pressCommands_[event.scanCode]; command != Command::None) {
        listener.OnCommand(command);
    } else {
        listener.OnKeyDown(key);
    }
}

bool InputSystem::IsKeyDown(int key) const {
    if (!InRange(key, kKeyCount) || key == Key::kNone) return false;
    return (state_[keyToScan_[key]] & 0x80) != 0;
}

bool InputSystem::IsActionDown(int action) const {
    return InRange(action, kActionCount) && IsKeyDown(actions_[action]);
}

int InputSystem::ActionKey(int action) const {
    return InRange(action, kActionCount) ? actions_[action] : Key::kNone;
}

void InputSystem::SetKeyPressCommand(int key, Command command) {
    if (InRange(key, kKeyCount) && key != Key::kNone) pressCommands_[keyToScan_[key]] = command;
}

void InputSystem::SetKeyReleaseCommand(int key, Command command) {
    if (InRange(key, kKeyCount) && key != Key::kNone) releaseCommands_[keyToScan_[key]] = command;
}

void InputSystem::SetActionPressCommand(int action, Command command) {
    SetKeyPressCommand(ActionKey(action), command);
}

void InputSystem::SetActionReleaseCommand(int action, Command command) {
    SetKeyReleaseCommand(ActionKey(action), command);
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
    const auto key = keyNames_.find(keyName);
    // Unknown names and empty lines bind nothing rather than rebinding the first action.
    if (action == actionNames_.end() || key == keyNames_.end()) return;
    actions_[action->second] = key->second;
}
