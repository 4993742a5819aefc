#pragma once

#include "input/KeyEventBuffer.h"
#include "input/KeyboardDevice.h"

class SdlWindow;

// The real keyboard: the held keys come from SDL's keyboard state, the presses and releases
// from the window's key events, collected between polls.
class SdlKeyboard final : public KeyboardDevice {
public:
    // Registers with the window so that its event pump hands over key events.
    explicit SdlKeyboard(SdlWindow& window);
    ~SdlKeyboard() override;
    SdlKeyboard(const SdlKeyboard&) = delete;
    SdlKeyboard& operator=(const SdlKeyboard&) = delete;

    AcquireResult Acquire() override { return AcquireResult::Ok; }
    void Unacquire() override {}
    void ReadState(State& state) override;
    KeyReadResult ReadEvents(std::vector<KeyEvent>& events) override {
        return buffer_.Take(events);
    }

    // Called by the window's event pump.
    void OnKey(int sdlScanCode, bool pressed);
    void OnFocusLost() { buffer_.MarkLost(); }

private:
    SdlWindow& window_;
    KeyEventBuffer buffer_;
};
