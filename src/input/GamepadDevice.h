#pragma once

#include <bitset>
#include <vector>

#include "input/ButtonTable.h"

// One change of a pad button (or stick direction) between two reads.
struct ButtonEvent {
    int button;
    bool pressed;
};

// The gamepads as the input system reads them: which pad buttons and stick directions are held,
// and what changed since the last read, in the game's button numbers. Several pads read as one.
// The platform layer provides the real one; tests provide their own.
class GamepadDevice {
public:
    using State = std::bitset<kButtonCount>;
    // A read hands over at most this many changes; later ones are dropped, the state is not.
    static constexpr std::size_t kMaxEvents = 32;

    virtual ~GamepadDevice() = default;
    virtual void ReadState(State& state) = 0;
    virtual void ReadEvents(std::vector<ButtonEvent>& events) = 0;
};
