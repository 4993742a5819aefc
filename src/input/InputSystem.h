#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "input/Command.h"
#include "input/KeyTable.h"
#include "input/KeyboardDevice.h"

class InputListener;
class Log;

// The keyboard as the game sees it: which keys are held this frame, the key presses and
// releases dispatched once a frame, and the numbered commands that keys and actions send.
class InputSystem {
public:
    // A missing device is allowed: the tables still exist and polling reads nothing.
    InputSystem(Log& log, std::unique_ptr<KeyboardDevice> device);
    ~InputSystem();
    InputSystem(const InputSystem&) = delete;
    InputSystem& operator=(const InputSystem&) = delete;

    bool Initialize();
    void Shutdown();

    // Once a frame: takes the snapshot, then dispatches the buffered events to the listener.
    void Poll(InputListener& listener);
    bool IsKeyDown(int key) const;
    bool IsActionDown(int action) const;
    int ActionKey(int action) const;

    void SetKeyPressCommand(int key, Command command);
    void SetKeyReleaseCommand(int key, Command command);
    void SetActionPressCommand(int action, Command command);
    void SetActionReleaseCommand(int action, Command command);
    Command PressCommandOfKey(int key) const;

    // Reads a bindings file of lines "Action=Key"; a file that cannot be read keeps the
    // current bindings.
    void LoadBinds(const std::filesystem::path& fileName);
    // Lines end in LF or CR LF, so a file saved on another system binds the same.
    void ReadBinds(std::istream& in);

private:
    // One line of a bindings file; a line naming no known action and key binds nothing.
    void ApplyBindingLine(const std::string& line);
    void Dispatch(const KeyEvent& event, InputListener& listener) const;
    void Reacquire();
    static bool InRange(int value, int count) { return value >= 0 && value < count; }

    Log& log_;
    std::unique_ptr<KeyboardDevice> device_;
    KeyboardDevice::State state_{};
    std::array<Command, kScanCodeCount> pressCommands_{};
    std::array<Command, kScanCodeCount> releaseCommands_{};
    std::array<int, kKeyCount> keyToScan_{};
    std::array<int, kScanCodeCount> scanToKey_{};
    std::array<int, kActionCount> actions_{};
    std::map<std::string, int, std::less<>> keyNames_;
    std::map<std::string, int, std::less<>> actionNames_;
    std::vector<KeyEvent> events_;
};
