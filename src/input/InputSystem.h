#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "input/ButtonTable.h"
#include "input/Command.h"
#include "input/GamepadDevice.h"
#include "input/KeyTable.h"
#include "input/KeyboardDevice.h"
#include "input/WindowSystem.h"

class InputListener;
class Log;

// The keyboard, the mouse buttons and the gamepads as the game sees them: which keys and buttons
// are held this frame, the presses and releases dispatched once a frame, and the numbered
// commands that keys, buttons and actions send. Held actions read the same whichever device
// holds them.
class InputSystem {
public:
    // A missing device is allowed: the tables still exist and polling reads nothing.
    InputSystem(Log& log, std::unique_ptr<KeyboardDevice> device);
    ~InputSystem();
    InputSystem(const InputSystem&) = delete;
    InputSystem& operator=(const InputSystem&) = delete;

    bool Initialize();
    void Shutdown();

    // The pads, read from the next poll on; none reads no pad.
    void AttachGamepad(std::unique_ptr<GamepadDevice> pad);

    // Once a frame: takes the snapshot, then dispatches the buffered events to the listener.
    void Poll(InputListener& listener);
    // Mouse buttons arrive between frames: the button is held from here until its release, and
    // a bound command is sent at once.
    void OnMouseButton(MouseButton button, bool down, InputListener& listener);
    bool IsKeyDown(int key) const;
    bool IsButtonDown(int button) const;
    bool IsActionDown(int action) const;
    int ActionKey(int action) const;
    // The mouse or pad button bound to the action beside its key; 0 for none.
    int ActionButton(int action, ButtonDevice device) const;
    // Whether some action is bound to the button.
    bool IsButtonBound(int button) const;

    void SetKeyPressCommand(int key, Command command);
    void SetKeyReleaseCommand(int key, Command command);
    void SetActionPressCommand(int action, Command command);
    void SetActionReleaseCommand(int action, Command command);
    Command PressCommandOfKey(int key) const;
    void SetButtonPressCommand(int button, Command command);
    void SetButtonReleaseCommand(int button, Command command);

    // Reads a bindings file of lines "Action=Key" or "Action=Button"; a key replaces the action's
    // key, a mouse or pad button the action's button of that device. A file that cannot be read
    // keeps the current bindings.
    void LoadBinds(const std::filesystem::path& fileName);
    // Lines end in LF or CR LF, so a file saved on another system binds the same.
    void ReadBinds(std::istream& in);

private:
    // One line of a bindings file; a line naming no known action and key binds nothing.
    void ApplyBindingLine(const std::string& line);
    void PollKeyboard(InputListener& listener);
    void PollGamepad(InputListener& listener);
    void Dispatch(const KeyEvent& event, InputListener& listener);
    void Dispatch(const ButtonEvent& event, InputListener& listener) const;
    void Reacquire();
    static bool InRange(int value, int count) { return value >= 0 && value < count; }
    // An action's buttons, one per device (the entry for ButtonDevice::None stays 0).
    using ActionButtons = std::array<int, kButtonDeviceCount>;

    Log& log_;
    std::unique_ptr<KeyboardDevice> device_;
    KeyboardDevice::State state_{};
    std::array<Command, kScanCodeCount> pressCommands_{};
    std::array<Command, kScanCodeCount> releaseCommands_{};
    std::array<int, kKeyCount> keyToScan_{};
    // Keys whose press went to the open console, until released.
    std::array<bool, kKeyCount> heldByConsole_{};
    std::array<int, kScanCodeCount> scanToKey_{};
    std::array<int, kActionCount> actions_{};
    std::array<ActionButtons, kActionCount> actionButtons_{};
    std::array<Command, kButtonCount> buttonPressCommands_{};
    std::array<Command, kButtonCount> buttonReleaseCommands_{};
    std::unique_ptr<GamepadDevice> pad_;
    GamepadDevice::State padHeld_;
    GamepadDevice::State mouseHeld_;
    std::vector<ButtonEvent> padEvents_;
    std::map<std::string, int, std::less<>> keyNames_;
    std::map<std::string, int, std::less<>> actionNames_;
    std::vector<KeyEvent> events_;
};
