#include "app/RecordingKeyboard.h"

#include "app/InputRecorder.h"

namespace {
constexpr std::uint8_t kHeld = 0x80;
}

RecordingKeyboard::RecordingKeyboard(std::unique_ptr<KeyboardDevice> keyboard,
                                     InputRecorder& recorder)
    : keyboard_(std::move(keyboard)), recorder_(recorder) {
    for (int key = 1; key < kKeyCount; ++key)
        keyOfScanCode_[KeyTable()[static_cast<std::size_t>(key)].scanCode] = key;
}

void RecordingKeyboard::ReadState(State& state) {
    keyboard_->ReadState(state);
    read_ = state;
}

KeyReadResult RecordingKeyboard::ReadEvents(std::vector<KeyEvent>& events) {
    const KeyReadResult result = keyboard_->ReadEvents(events);
    if (result == KeyReadResult::Ok) {
        for (const KeyEvent& event : events) {
            const int key = keyOfScanCode_[event.scanCode];
            if (key == Key::kNone) continue;
            recorder_.Key(key, event.pressed);
            replay_[event.scanCode] = event.pressed ? kHeld : 0;
        }
    } else {
        // An overflowing batch is lost whole as well: the replay's would not overflow.
        recorder_.KeyboardLost();
    }
    for (std::size_t scanCode = 0; scanCode < keyOfScanCode_.size(); ++scanCode) {
        const int key = keyOfScanCode_[scanCode];
        const bool held = (read_[scanCode] & kHeld) != 0;
        if (key == Key::kNone || held == ((replay_[scanCode] & kHeld) != 0)) continue;
        recorder_.Hold(key, held);
        replay_[scanCode] = held ? kHeld : 0;
    }
    return result;
}
