#pragma once

#include "input/WindowSystem.h"

class InputRecorder;

// Passes the window through and writes down what the match takes from it: the mouse buttons
// of each pass of the loop and every cursor position the game reads that a replay would not
// give on its own (it remembers where the game last put the cursor).
class RecordingWindow final : public WindowSystem {
public:
    RecordingWindow(WindowSystem& window, InputRecorder& recorder)
        : window_(window), recorder_(recorder) {}

    void PumpEvents(WindowEvents& sink) override;
    void CaptureMouse(bool capture) override { window_.CaptureMouse(capture); }
    void HideCursor() override { window_.HideCursor(); }
    void GetCursorPos(int& x, int& y) override;
    void SetCursorPos(int x, int y) override;

private:
    WindowSystem& window_;
    InputRecorder& recorder_;
    bool pumped_ = false;
    // Where a replay's cursor stands now: where a script starts it, then as last set or read.
    int replayX_ = 0;
    int replayY_ = 0;
};
