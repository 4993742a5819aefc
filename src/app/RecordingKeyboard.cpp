#include "app/RecordingKeyboard.h"

#include "app/InputRecorder.h"

RecordingKeyboard::RecordingKeyboard(std::unique_ptr<KeyboardDevice> keyboard,
                                     InputRecorder& recorder)
    : keyboard_(std::move(keyboard)), recorder_(recorder) {
    for (int key = 1; key < kKeyCount; ++key)
        keyOfScanCode_[KeyTable()[static_cast<std::size_t>(key)].scanCode] = key;
}

KeyReadResult RecordingKeyboard::ReadEvents(std::vector<KeyEvent>& events) {
    const KeyReadResult result = keyboard_->ReadEvents(events);
    for (const KeyEvent& event : events)
        recorder_.Key(keyOfScanCode_[event.scanCode], event.pressed);
    return result;
}
