#pragma once

#include "input/KeyboardDevice.h"

// A keyboard driven by calls instead of hands: replayed scripts and tests press and release
// keys on it, and the input system reads it like any other device.
class ScriptedKeyboard final : public KeyboardDevice {
public:
    // Key numbers, as the rest of the game names keys.
    void Press(int key);
    void Release(int key);
    // Holds or lets go of a key with no event, as a keyboard whose events were lost.
    void Hold(int key, bool held);
    // The next `times` acquire attempts answer that input was lost (a window losing focus).
    void LoseInput(int times);

    AcquireResult Acquire() override;
    void Unacquire() override { acquired_ = false; }
    void ReadState(State& state) override { state = held_; }
    KeyReadResult ReadEvents(std::vector<KeyEvent>& events) override {
        return buffer_.Take(events);
    }

    bool Acquired() const { return acquired_; }
    int AcquireCalls() const { return acquireCalls_; }
    // Every acquire attempt fails outright, as when no keyboard can be had.
    bool refuseAcquire = false;

private:
    void Change(int key, bool pressed);

    State held_{};
    KeyEventBuffer buffer_;
    bool acquired_ = false;
    int lostAnswers_ = 0;
    int acquireCalls_ = 0;
};
