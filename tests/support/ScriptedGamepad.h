#pragma once

#include <vector>

#include "input/GamepadDevice.h"

// Pads driven by calls: press and release buttons and stick directions, read like real ones.
class ScriptedGamepad final : public GamepadDevice {
public:
    void Press(int button) { Change(button, true); }
    void Release(int button) { Change(button, false); }

    void ReadState(State& state) override { state = held_; }
    void ReadEvents(std::vector<ButtonEvent>& events) override {
        events.swap(events_);
        events_.clear();
    }

private:
    void Change(int button, bool pressed) {
        held_[static_cast<std::size_t>(button)] = pressed;
        events_.push_back({button, pressed});
    }

    State held_;
    std::vector<ButtonEvent> events_;
};
