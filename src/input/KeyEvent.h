#pragma once

#include <cstdint>

// One buffered change of a key, by scan code.
struct KeyEvent {
    std::uint8_t scanCode;
    bool pressed;
};
