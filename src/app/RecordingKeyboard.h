#pragma once

#include <array>
#include <memory>

#include "input/KeyTable.h"
#include "input/KeyboardDevice.h"

class InputRecorder;

// Passes a keyboard through and writes down what the game read from it, by the game's key
// numbers: each poll's key events, or that they were lost, and the held keys those events do
// not account for (a batch dropped, focus lost), so a replay reads the same state and events.
// Keys the game has no number for do nothing in it and are left out. The input system reads
// the state, then the events, once a pass.
class RecordingKeyboard final : public KeyboardDevice {
public:
    RecordingKeyboard(std::unique_ptr<KeyboardDevice> keyboard, InputRecorder& recorder);

    AcquireResult Acquire() override { return keyboard_->Acquire(); }
    void Unacquire() override { keyboard_->Unacquire(); }
    void ReadState(State& state) override;
    KeyReadResult ReadEvents(std::vector<KeyEvent>& events) override;

private:
    std::unique_ptr<KeyboardDevice> keyboard_;
    InputRecorder& recorder_;
    std::array<int, kScanCodeCount> keyOfScanCode_{};
    State read_{};    // what the game read last
    State replay_{};  // what a replay's keyboard holds so far
};
