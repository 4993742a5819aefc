#pragma once

#include "input/WindowSystem.h"

// The window of a run with no screen: no events ever come, and the cursor stays where it was
// last put.
class HeadlessWindow final : public WindowSystem {
public:
    void PumpEvents(WindowEvents&) override {}
    void CaptureMouse(bool) override {}
    void HideCursor() override {}
    void GetCursorPos(int& x, int& y) override {
        x = x_;
        y = y_;
    }
    void SetCursorPos(int x, int y) override {
        x_ = x;
        y_ = y;
    }

private:
    int x_ = 0;
    int y_ = 0;
};
