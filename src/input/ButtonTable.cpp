#include "input/ButtonTable.h"

namespace {
using enum ButtonDevice;

// clang-format off
constexpr std::array<ButtonInfo, kButtonCount> kButtons{{
    {"None", false, None},
    {"MouseLeft", true, Mouse}, {"MouseRight", true, Mouse}, {"MouseMiddle", true, Mouse},
    {"PadA", true, Pad}, {"PadB", true, Pad}, {"PadX", true, Pad}, {"PadY", true, Pad},
    {"PadBack", true, Pad}, {"PadStart", true, Pad},
    {"PadLeftShoulder", true, Pad}, {"PadRightShoulder", true, Pad},
    {"PadLeftTrigger", true, Pad}, {"PadRightTrigger", true, Pad},
    {"PadUp", true, Pad}, {"PadDown", true, Pad}, {"PadLeft", true, Pad}, {"PadRight", true, Pad},
    {"LeftStickLeft", false, Pad}, {"LeftStickRight", false, Pad},
    {"LeftStickUp", false, Pad}, {"LeftStickDown", false, Pad},
    {"RightStickLeft", false, Pad}, {"RightStickRight", false, Pad},
    {"RightStickUp", false, Pad}, {"RightStickDown", false, Pad},
}};
// clang-format on
}  // namespace

const std::array<ButtonInfo, kButtonCount>& ButtonTable() { return kButtons; }

int ButtonByBindName(std::string_view name) {
    for (int button = 1; button < kButtonCount; ++button) {
        if (kButtons[button].bindable && name == kButtons[button].name) return button;
    }
    return Button::kNone;
}
