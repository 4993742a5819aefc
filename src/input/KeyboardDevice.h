#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "input/KeyEventBuffer.h"

enum class AcquireResult { Ok, InputLost, Failed };

// A keyboard as the input system reads it: a snapshot of held keys and a buffer of key
// changes, both by scan code. The platform layer provides the real one; scripts and tests
// provide their own.
class KeyboardDevice {
public:
    using State = std::array<std::uint8_t, 256>;

    virtual ~KeyboardDevice() = default;
    virtual AcquireResult Acquire() = 0;
    virtual void Unacquire() = 0;
    // Bit 7 of a byte set: that scan code's key is held now.
    virtual void ReadState(State& state) = 0;
    // The changes since the last read, at most KeyEventBuffer::kCapacity of them.
    virtual KeyReadResult ReadEvents(std::vector<KeyEvent>& events) = 0;
};
