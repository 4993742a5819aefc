#pragma once

#include <array>
#include <string_view>

// Inputs beside the keyboard's keys: the mouse's buttons and a gamepad's buttons, triggers and
// stick directions, numbered together (0 = none) so that one held snapshot and one pair of
// command tables serve them all.
inline constexpr int kButtonCount = 26;

// Which device a button is on. An action keeps one button of each device beside its key.
enum class ButtonDevice { None, Mouse, Pad };
inline constexpr int kButtonDeviceCount = 3;

namespace Button {
inline constexpr int kNone = 0;
inline constexpr int kMouseLeft = 1;
inline constexpr int kMouseRight = 2;
inline constexpr int kMouseMiddle = 3;
inline constexpr int kPadA = 4;
inline constexpr int kPadB = 5;
inline constexpr int kPadX = 6;
inline constexpr int kPadY = 7;
inline constexpr int kPadBack = 8;
inline constexpr int kPadStart = 9;
inline constexpr int kPadLeftShoulder = 10;
inline constexpr int kPadRightShoulder = 11;
inline constexpr int kPadLeftTrigger = 12;
inline constexpr int kPadRightTrigger = 13;
inline constexpr int kPadUp = 14;
inline constexpr int kPadDown = 15;
inline constexpr int kPadLeft = 16;
inline constexpr int kPadRight = 17;
// The sticks, each direction past the dead zone held like a button; built in, never named.
inline constexpr int kLeftStickLeft = 18;
inline constexpr int kLeftStickRight = 19;
inline constexpr int kLeftStickUp = 20;
inline constexpr int kLeftStickDown = 21;
inline constexpr int kRightStickLeft = 22;
inline constexpr int kRightStickRight = 23;
inline constexpr int kRightStickUp = 24;
inline constexpr int kRightStickDown = 25;
}  // namespace Button

struct ButtonInfo {
    const char* name;  // for logs and tests; every button has one
    bool bindable;     // whether a bindings file may name it
    ButtonDevice device;
};

// Indexed by button number; entry 0 is "no button".
const std::array<ButtonInfo, kButtonCount>& ButtonTable();
// The button a bindings file names, or 0 when no bindable button has that name.
int ButtonByBindName(std::string_view name);
