#pragma once

#include <array>
#include <cstdint>

// The game's own key numbers (0 = no key). Each stands for one keyboard scan code in the
// classic PC set-1 numbering (extended keys with bit 7 set), which the bindings, command
// tables and saved habits of players are written against.
inline constexpr int kKeyCount = 80;
inline constexpr int kScanCodeCount = 256;

namespace Key {
inline constexpr int kNone = 0;
inline constexpr int kUpArrow = 1;
inline constexpr int kDownArrow = 2;
inline constexpr int kSpace = 5;
inline constexpr int kEscape = 6;
inline constexpr int kEnter = 7;
inline constexpr int kRightControl = 8;
inline constexpr int kLeftControl = 9;
inline constexpr int kLeftShift = 12;
inline constexpr int kRightShift = 13;
inline constexpr int kMinus = 14;
inline constexpr int kF6 = 20;
inline constexpr int kF9 = 23;
inline constexpr int kF11 = 25;
inline constexpr int kF12 = 26;
inline constexpr int kDigit0 = 27;
inline constexpr int kDigit9 = 36;
inline constexpr int kA = 37;
inline constexpr int kG = 43;
inline constexpr int kQ = 53;
inline constexpr int kU = 57;
inline constexpr int kV = 58;
inline constexpr int kW = 59;
inline constexpr int kY = 61;
inline constexpr int kZ = 62;
inline constexpr int kTab = 63;
inline constexpr int kFullStop = 64;
inline constexpr int kKeypadPlus = 65;
inline constexpr int kGrave = 76;
inline constexpr int kBackspace = 77;
// Only the open console uses these: they scroll its history.
inline constexpr int kPageUp = 78;
inline constexpr int kPageDown = 79;
}  // namespace Key

struct KeyInfo {
    std::uint8_t scanCode;
    // The name scripts and logs use for the key; every key has one.
    const char* name;
    // The name a bindings file may use, or nullptr when the key cannot be bound by name.
    const char* bindName;
};

// Indexed by key number; entry 0 is "no key" with scan code 0.
const std::array<KeyInfo, kKeyCount>& KeyTable();
// Key number of a name from the script column, or 0 when no key has it.
int KeyNumberByName(const char* name);

// Bindable actions, each held by one key, or by the mouse button or pad button bound beside it,
// or by a built-in stick direction.
inline constexpr int kActionCount = 13;

namespace Action {
inline constexpr int kAimUp = 0;
inline constexpr int kAimDown = 1;
inline constexpr int kMoveLeft = 2;
inline constexpr int kMoveRight = 3;
inline constexpr int kJump = 4;
inline constexpr int kFirePrimary = 5;
inline constexpr int kFireSecondary = 6;
inline constexpr int kNextWeapon = 7;
inline constexpr int kPrevWeapon = 8;
inline constexpr int kCrouch = 9;   // no name: keeps its built-in key
inline constexpr int kThrust = 10;  // no name: keeps its built-in key
// The right stick turns the fighter as the mouse does; no key, no name.
inline constexpr int kTurnLeft = 11;
inline constexpr int kTurnRight = 12;
}  // namespace Action

struct ActionInfo {
    const char* name;  // nullptr for actions the bindings file cannot name
    int defaultKey;
    int defaultPadButton;  // a button of ButtonTable; fixed for actions without a name
    int stick;             // the stick direction that also holds it, never rebound
};

const std::array<ActionInfo, kActionCount>& ActionTable();
