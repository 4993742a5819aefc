#pragma once

#include <cstddef>
#include <vector>

#include "input/InputScript.h"
#include "input/WindowSystem.h"

class ScriptedKeyboard;

// Replays a script in place of the player's hands: wraps the real window, drops its mouse
// buttons, and before each frame hands that frame's scripted keys to the keyboard and its
// mouse buttons and cursor moves to the program, through the paths real input takes.
class ScriptPlayer final : public WindowSystem {
public:
    ScriptPlayer(WindowSystem& window, std::vector<ScriptEvent> events, ScriptedKeyboard& keyboard);

    void PumpEvents(WindowEvents& sink) override;
    void CaptureMouse(bool capture) override { window_.CaptureMouse(capture); }
    void HideCursor() override { window_.HideCursor(); }
    void GetCursorPos(int& x, int& y) override;
    void SetCursorPos(int x, int y) override;

    long Frame() const { return frame_; }

private:
    void Deliver(const ScriptEvent& event, WindowEvents& sink);

    WindowSystem& window_;
    std::vector<ScriptEvent> events_;
    ScriptedKeyboard& keyboard_;
    std::size_t next_ = 0;
    long frame_ = 0;
    int cursorX_ = 0;
    int cursorY_ = 0;
};
