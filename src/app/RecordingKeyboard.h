#pragma once

#include <array>
#include <memory>

#include "input/KeyTable.h"
#include "input/KeyboardDevice.h"

class InputRecorder;

// Passes a keyboard through and writes down every key change the game reads from it, by the
// game's key numbers; keys the game has no number for do nothing in it and are left out.
class RecordingKeyboard final : public KeyboardDevice {
public:
    RecordingKeyboard(std::unique_ptr<KeyboardDevice> keyboard, InputRecorder& recorder);

    AcquireResult Acquire() override { return keyboard_->Acquire(); }
    void Unacquire() override { keyboard_->Unacquire(); }
    void ReadState(State& state) override { keyboard_->ReadState(state); }
    KeyReadResult ReadEvents(std::vector<KeyEvent>& events) override;

private:
    std::unique_ptr<KeyboardDevice> keyboard_;
    InputRecorder& recorder_;
    std::array<int, kScanCodeCount> keyOfScanCode_{};
};
