#include "input/KeyTable.h"

#include <cstring>

#include "input/ButtonTable.h"

namespace {
// clang-format off
constexpr std::array<KeyInfo, kKeyCount> kKeys{{
    {0, "None", nullptr},
    {200, "UpArrow", "UpArrow"},
    {208, "DownArrow", "DownArrow"},
    {203, "LeftArrow", "LeftArrow"},
    {205, "RightArrow", "RightArrow"},
    {57, "Space", "Space"},
    {1, "Escape", nullptr},
    {28, "Enter", "Enter"},
    {157, "RightControl", "RightControl"},
    {29, "LeftControl", "LeftControl"},
    {184, "RightAlt", "RightAlt"},
    {56, "LeftAlt", "LeftAlt"},
    {42, "LeftShift", "LeftShift"},
    {54, "RightShift", "RightShift"},
    {12, "Minus", "-"},
    {59, "F1", nullptr}, {60, "F2", nullptr}, {61, "F3", nullptr}, {62, "F4", nullptr},
    {63, "F5", nullptr}, {64, "F6", nullptr}, {65, "F7", nullptr}, {66, "F8", nullptr},
    {67, "F9", nullptr}, {68, "F10", nullptr}, {87, "F11", nullptr}, {88, "F12", nullptr},
    {11, "0", nullptr},
    {2, "1", nullptr}, {3, "2", nullptr}, {4, "3", nullptr}, {5, "4", nullptr},
    {6, "5", nullptr}, {7, "6", nullptr}, {8, "7", nullptr}, {9, "8", nullptr},
    {10, "9", nullptr},
    {30, "A", "A"}, {48, "B", "B"}, {46, "C", "C"}, {32, "D", "D"}, {18, "E", "E"},
    {33, "F", "F"}, {34, "G", "G"}, {35, "H", "H"}, {23, "I", "I"}, {36, "J", "J"},
    {37, "K", "K"}, {38, "L", "L"}, {50, "M", "M"}, {49, "N", "N"}, {24, "O", "O"},
    {25, "P", "P"}, {16, "Q", "Q"}, {19, "R", "R"}, {31, "S", "S"}, {20, "T", "T"},
    {22, "U", "U"}, {47, "V", "V"}, {17, "W", "W"}, {45, "X", "X"}, {21, "Y", "Y"},
    {44, "Z", "Z"},
    {15, "Tab", nullptr},
    {52, "FullStop", nullptr},
    {78, "KeypadPlus", nullptr},
    {82, "Keypad0", nullptr},
    {79, "Keypad1", nullptr}, {80, "Keypad2", nullptr}, {81, "Keypad3", nullptr},
    {75, "Keypad4", nullptr}, {76, "Keypad5", nullptr}, {77, "Keypad6", nullptr},
    {71, "Keypad7", nullptr}, {72, "Keypad8", nullptr}, {73, "Keypad9", nullptr},
    {41, "Grave", nullptr},
    {14, "Backspace", nullptr},
    {201, "PageUp", nullptr},
    {209, "PageDown", nullptr},
}};

constexpr std::array<ActionInfo, kActionCount> kActions{{
    {"AimUp", Key::kUpArrow, Button::kNone, Button::kRightStickUp},
    {"AimDown", Key::kDownArrow, Button::kNone, Button::kRightStickDown},
    {"MoveLeft", 3, Button::kPadLeft, Button::kLeftStickLeft},
    {"MoveRight", 4, Button::kPadRight, Button::kLeftStickRight},
    {"Jump", 10, Button::kPadA, Button::kLeftStickUp},
    {"FirePrimary", Key::kSpace, Button::kPadRightTrigger, Button::kNone},
    {"FireSecondary", 11, Button::kPadLeftTrigger, Button::kNone},
    {"NextWeapon", Key::kNone, Button::kPadRightShoulder, Button::kNone},
    {"PrevWeapon", Key::kNone, Button::kPadLeftShoulder, Button::kNone},
    {nullptr, 66, Button::kPadB, Button::kNone},
    {nullptr, 9, Button::kNone, Button::kNone},
    {nullptr, Key::kNone, Button::kNone, Button::kRightStickLeft},
    {nullptr, Key::kNone, Button::kNone, Button::kRightStickRight},
}};
// clang-format on
}  // namespace

const std::array<KeyInfo, kKeyCount>& KeyTable() { return kKeys; }

const std::array<ActionInfo, kActionCount>& ActionTable() { return kActions; }

int KeyNumberByName(const char* name) {
    for (int key = 1; key < kKeyCount; ++key) {
        if (std::strcmp(kKeys[key].name, name) == 0) return key;
    }
    return Key::kNone;
}
