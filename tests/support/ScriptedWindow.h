#pragma once

#include <functional>
#include <vector>

#include "input/WindowSystem.h"

// A window with no display: each PumpEvents call hands over the events queued for that pass.
class ScriptedWindow final : public WindowSystem {
public:
    using Event = std::function<void(WindowEvents&)>;

    // Queues events for the pump that comes after `pumps` earlier pumps.
    void At(int pump, Event event) {
        if (static_cast<int>(script_.size()) <= pump) script_.resize(pump + 1);
        script_[pump].push_back(std::move(event));
    }

    void PumpEvents(WindowEvents& sink) override {
        if (pumps_ < static_cast<int>(script_.size())) {
            for (auto& event : script_[pumps_])
                event(sink);
        }
        ++pumps_;
    }
    void CaptureMouse(bool) override {}
    void HideCursor() override {}
    void GetCursorPos(int& x, int& y) override {
        x = cursorX;
        y = cursorY;
    }
    void SetCursorPos(int x, int y) override {
        cursorX = x;
        cursorY = y;
    }

    int cursorX = 0;
    int cursorY = 0;

private:
    std::vector<std::vector<Event>> script_;
    int pumps_ = 0;
};
